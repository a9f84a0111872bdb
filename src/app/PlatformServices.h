#pragma once

#include <QString>
#include <QStringList>

// Everything the window asks of the desktop: file and folder dialogs, message boxes, the wait
// cursor and opening a file in its default application. The window gets one of these, so
// tests can answer in place of a person.
class PlatformServices
{
public:
    enum class Buttons
    {
        Ok,
        OkCancel
    };
    enum class Icon
    {
        None,
        Information,
        Critical
    };
    enum class Answer
    {
        Ok,
        Cancel
    };

    virtual ~PlatformServices() = default;

    // Multi-select open dialog with one filter pattern; the chosen paths in the dialog's order,
    // none when cancelled.
    virtual QStringList chooseFiles(const QString& pattern) = 0;
    // Folder browser headed by the prompt; the chosen folder's full path, empty when cancelled.
    virtual QString chooseFolder(const QString& prompt) = 0;
    virtual Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    // Opens the file in the desktop's default application; false when none took it.
    virtual bool openInDefaultApplication(const QString& path) = 0;
};
