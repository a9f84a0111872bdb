#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

// The keys that make the window usable without a mouse: Ctrl+Tab and Ctrl+Shift+Tab (and Esc
// on the grid outside an editor) move the focus on, since the grid keeps Tab for its cells;
// Ctrl+Enter outside the grid and F5 start the run; Enter in a rule's field applies it; the
// main buttons get mnemonics.
class KeyboardAccess : public QObject
{
public:
    KeyboardAccess(QWidget* window, QWidget* grid, QAbstractButton* run);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveFocus(bool forward);

    QWidget* m_window;
    QWidget* m_grid;
    QAbstractButton* m_run;
};
