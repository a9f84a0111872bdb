#include "gui/KeyboardAccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Enter in a field does what the button beside it does.
constexpr std::pair<const char*, const char*> FieldButtons[] = {
    {"bianhaoqian", "Command6"}, {"fengefutxt", "Command7"}, {"qianzhuitxt", "Command8"},
    {"houzhuitxt", "Command9"},  {"riqitxt", "Command10"},   {"banbentxt", "Command11"},
    {"findtxt", "Command1"},     {"reptxt", "Command1"},     {"yanshengshu", "Command2"},
};

// The mnemonics of the main buttons, shown after the caption as Chinese programs show them.
constexpr std::pair<const char*, char> Mnemonics[] = {
    {"Command5", 'F'}, {"Command4", 'D'}, {"Command17", 'L'}, {"Command14", 'B'},
    {"Command3", 'R'}, {"cmdUndo", 'U'},  {"Command15", 'E'}, {"Command16", 'I'},
};

template <typename T> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

KeyboardAccess::KeyboardAccess(QWidget* window, QWidget* grid, QAbstractButton* run)
    : QObject(window), m_window(window), m_grid(grid), m_run(run)
{
    for (const auto& [fieldName, buttonName] : FieldButtons) {
        auto* field = child<QLineEdit>(window, fieldName);
        auto* button = child<QAbstractButton>(window, buttonName);
        if (field && button)
            connect(field, &QLineEdit::returnPressed, button, [button] {
                if (button->isEnabled())
                    button->click();
            });
    }
    for (const auto& [name, key] : Mnemonics)
        if (auto* button = child<QAbstractButton>(window, name))
            button->setText(button->text() + QStringLiteral("(&%1)").arg(QLatin1Char(key)));
    qApp->installEventFilter(this);
}

bool KeyboardAccess::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    // Keys reach the focus widget, or the window itself while nothing in it has the focus.
    QWidget* focus = QApplication::focusWidget();
    if (!target || target->window() != m_window || (target != focus && (focus || target != m_window)))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool inGrid = target == m_grid || m_grid->isAncestorOf(target);
    if (modifiers.testFlag(Qt::ControlModifier) &&
        (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
        moveFocus(key->key() == Qt::Key_Tab && !modifiers.testFlag(Qt::ShiftModifier));
        return true;
    }
    if (key->key() == Qt::Key_Escape && target == m_grid && modifiers == Qt::NoModifier) {
        moveFocus(true);
        return true;
    }
    const bool startsRun = (key->key() == Qt::Key_F5 && modifiers == Qt::NoModifier) ||
                           (isEnter(key) && modifiers == Qt::ControlModifier && !inGrid);
    if (startsRun) {
        if (m_run->isEnabled())
            m_run->click();
        return true;
    }
    return false;
}

// The next control that takes Tab, leaving the current one whole: the grid's viewport and
// editors, and an editable box's field, are parts of it.
void KeyboardAccess::moveFocus(bool forward)
{
    QWidget* from = QApplication::focusWidget();
    if (!from || from->window() != m_window)
        from = m_grid;
    const auto owner = [this](QWidget* widget) {
        while (widget->focusProxy())
            widget = widget->focusProxy();
        return widget == m_grid || m_grid->isAncestorOf(widget) ? m_grid : widget;
    };
    QWidget* const leaving = owner(from);
    QWidget* next = from;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        const bool takesTab = next->focusPolicy() & Qt::TabFocus;
        if (takesTab && next->isVisible() && next->isEnabled() && next->window() == m_window &&
            owner(next) != leaving && !leaving->isAncestorOf(next)) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (next != from);
}
