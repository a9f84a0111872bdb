#pragma once

#include "ScriptedPlatform.h"
#include "gui/MainWindow.h"

#include <QString>
#include <QWidget>
#include <memory>

class FileListModel;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QMimeData;
class QRadioButton;
class QUrl;
class SheetModel;

// A fresh main window on the scripted platform, and small helpers that act on its controls
// by their names the way a user would.
class GuiTest
{
public:
    GuiTest();
    // A window whose clock reads the time given from the start.
    explicit GuiTest(const QDateTime& now);
    ~GuiTest();

    ScriptedPlatform platform;
    MainWindow& window() { return *m_window; }
    SheetModel& table() { return m_window->table(); }
    FileListModel& files() { return m_window->files(); }
    QString targetFolder() const { return m_window->targetFolder(); }

    template <typename T = QWidget> T* control(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }
    // The control of that name and kind, which must be there.
    QCheckBox* checkBox(const char* name) const;
    QRadioButton* option(const char* name) const;
    QLineEdit* field(const char* name) const;

    // Clicks a button at its centre, or a check box or option button on its indicator.
    void click(const char* name);
    void click(QAbstractButton* button);
    // Replaces a field's text by typing it, keystroke by keystroke.
    void type(const char* name, const QString& text);
    // Drops the URLs on the file list as a file manager does: the drag enters, then drops.
    // Returns whether the list accepted the drag.
    bool drop(const QList<QUrl>& urls);
    bool drop(QMimeData& data);
    // The same drop on another view, such as the grid (its viewport takes the drop).
    bool dropOn(QWidget* viewport, QMimeData& data);
    // What the grid shows in a cell.
    QString shownCell(qsizetype row, int column) const;
    QString cell(qsizetype row, int column) const;
    qsizetype usedRows() const;

private:
    void open();
    template <typename T> T* required(const char* name) const;

    std::unique_ptr<MainWindow> m_window;
};
