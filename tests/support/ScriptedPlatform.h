#pragma once

#include "gui/PlatformServices.h"

#include <QList>
#include <QQueue>

// Answers the window's dialogs from a script and records what it was shown, so a GUI test
// never waits on a person. A dialog without a scripted answer is cancelled.
class ScriptedPlatform final : public PlatformServices
{
public:
    struct Message
    {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
    };

    // Scripted answers, used in order.
    QQueue<QStringList> nextFiles;
    QQueue<QString> nextFolders;
    QQueue<Answer> nextAnswers; // message boxes answer Ok when this is empty
    bool openSucceeds = true;
    QDateTime fixedNow;        // what now() answers; the system's clock while it is invalid
    QString fixedExportFolder; // what exportFolder() answers; the temporary folder while empty

    // What the window asked for and showed.
    QStringList filePatterns;
    QStringList folderPrompts;
    QList<Message> messages;
    QList<bool> waitCursorChanges;
    QStringList openedFiles;

    QStringList messageTexts() const;

    QStringList chooseFiles(const QString& pattern) override;
    QString chooseFolder(const QString& prompt) override;
    Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    void setWaitCursor(bool waiting) override;
    bool openInDefaultApplication(const QString& path) override;
    QDateTime now() override;
    QString exportFolder() override;
};
