#pragma once

#include "gui/PlatformServices.h"

#include <QPointer>

class QWidget;

// The real desktop: Qt's dialogs and message boxes, owned by the main window.
class QtPlatformServices final : public PlatformServices
{
public:
    void setOwner(QWidget* owner) { m_owner = owner; }

    QStringList chooseFiles(const QString& pattern) override;
    QString chooseFile(const QString& patterns) override;
    QString chooseFolder(const QString& prompt) override;
    Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon) override;
    void setWaitCursor(bool waiting) override;
    bool openInDefaultApplication(const QString& path) override;
    QDateTime now() override;
    // The system's temporary folder: the workbook is handed to a spreadsheet application, which
    // saves it wherever the user wants it kept.
    QString exportFolder() override;

private:
    QString startFolder() const;

    QPointer<QWidget> m_owner;
    QString m_lastFolder;
};
