#include "ScriptedPlatform.h"

#include <QDir>

QStringList ScriptedPlatform::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts << m.text;
    return texts;
}

QStringList ScriptedPlatform::chooseFiles(const QString& pattern)
{
    filePatterns << pattern;
    return nextFiles.isEmpty() ? QStringList() : nextFiles.dequeue();
}

QString ScriptedPlatform::chooseFolder(const QString& prompt)
{
    folderPrompts << prompt;
    return nextFolders.isEmpty() ? QString() : nextFolders.dequeue();
}

PlatformServices::Answer ScriptedPlatform::showMessage(const QString& text, const QString& title,
                                                       Buttons buttons, Icon icon)
{
    messages << Message{text, title, buttons, icon};
    return nextAnswers.isEmpty() ? Answer::Ok : nextAnswers.dequeue();
}

void ScriptedPlatform::setWaitCursor(bool waiting)
{
    waitCursorChanges << waiting;
}

bool ScriptedPlatform::openInDefaultApplication(const QString& path)
{
    openedFiles << path;
    return openSucceeds;
}

QDateTime ScriptedPlatform::now()
{
    return fixedNow.isValid() ? fixedNow : QDateTime::currentDateTime();
}

QString ScriptedPlatform::exportFolder()
{
    return fixedExportFolder.isEmpty() ? QDir::tempPath() : fixedExportFolder;
}
