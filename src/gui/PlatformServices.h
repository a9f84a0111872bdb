#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Everything the window asks of the desktop: file and folder dialogs, message boxes, the wait
// cursor, opening a file in its default application, the clock and the folder exports go to.
// The window gets one of these, so tests can answer in place of a person and fix the time.
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

    // The program's title, which heads its window and its message boxes.
    static QString programTitle();
    // What every feature tells the user: a message box with the text, the program's title and
    // an OK button.
    void tell(const QString& text);

    // Multi-select open dialog with one filter pattern; the chosen paths in the dialog's order,
    // none when cancelled.
    virtual QStringList chooseFiles(const QString& pattern) = 0;
    // Open dialog for one file, with a filter of one or more patterns ("*.xlsx *.csv"); the
    // chosen path, empty when cancelled. Without a dialog of its own, the first of chooseFiles.
    virtual QString chooseFile(const QString& patterns);
    // Folder browser headed by the prompt; the chosen folder's full path, empty when cancelled.
    virtual QString chooseFolder(const QString& prompt) = 0;
    virtual Answer showMessage(const QString& text, const QString& title, Buttons buttons, Icon icon) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
    // Opens the file in the desktop's default application; false when none took it.
    virtual bool openInDefaultApplication(const QString& path) = 0;
    // The current date and time: the one clock of the program, which hands it on to the core.
    virtual QDateTime now() = 0;
    // Where an exported workbook is written before it is opened.
    virtual QString exportFolder() = 0;
};
