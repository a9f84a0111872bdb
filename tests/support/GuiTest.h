#pragma once

#include "ScriptedPlatform.h"
#include "gui/MainWindow.h"

#include <QString>
#include <QWidget>
#include <memory>

class QAbstractButton;
class QLineEdit;
class QUrl;

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
    Form1& form() { return m_window->form(); }

    template <typename T = QWidget> T* control(const char* name) const
    {
        return m_window->findChild<T*>(QString::fromLatin1(name));
    }

    // Clicks a button at its centre, or a check box or option button on its indicator.
    void click(const char* name);
    void click(QAbstractButton* button);
    // Replaces a field's text by typing it, keystroke by keystroke.
    void type(const char* name, const QString& text);
    // Drops the URLs on the file list as a file manager does: the drag enters, then drops.
    void drop(const QList<QUrl>& urls);
    // What the grid shows in a cell.
    QString shownCell(qsizetype row, int column) const;
    QString cell(qsizetype row, int column) const;
    qsizetype usedRows() const;

private:
    void open();

    std::unique_ptr<MainWindow> m_window;
};
