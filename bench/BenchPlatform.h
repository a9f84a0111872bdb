#pragma once

#include "gui/PlatformServices.h"

#include <QDir>

// Answers the window's dialogs without a person: a folder set beforehand, OK to every message.
class BenchPlatform final : public PlatformServices
{
public:
    QString folder;
    QStringList messages;

    QStringList chooseFiles(const QString&) override { return {}; }
    QString chooseFolder(const QString&) override { return folder; }
    Answer showMessage(const QString& text, const QString&, Buttons, Icon) override
    {
        messages << text;
        return Answer::Ok;
    }
    void setWaitCursor(bool) override {}
    bool openInDefaultApplication(const QString&) override { return true; }
    QDateTime now() override { return QDateTime::currentDateTime(); }
    QString exportFolder() override { return QDir::tempPath(); }
};
