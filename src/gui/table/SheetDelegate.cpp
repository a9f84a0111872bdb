#include "gui/table/SheetDelegate.h"

#include "table/SheetRoles.h"

#include <QColor>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QPainter>

void SheetDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const double size = index.data(SheetRole::FontSize).toDouble();
    if (size > 0)
        option->font.setPointSizeF(size);
    option->font.setBold(index.data(SheetRole::Bold).toBool());
    if (const QVariant rgb = index.data(SheetRole::Color); rgb.isValid())
        option->palette.setColor(QPalette::Text, QColor::fromRgb(QRgb(rgb.toUInt())));
    // A row that failed in the last run is light red; one the next run would refuse, amber.
    if (index.data(SheetRole::Marked).toBool())
        option->backgroundBrush = QColor(255, 214, 214);
    else if (index.data(SheetRole::Forecast).isValid())
        option->backgroundBrush = QColor(255, 228, 160);
}

void SheetDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (!option.state.testFlag(QStyle::State_HasFocus))
        return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Highlight).darker(130), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

bool SheetDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            const QString text = editor->metaObject()->userProperty().read(editor).toString();
            // The editor closes without putting its text into its own cell: the view writes it
            // into every selected cell, this one among them.
            Q_EMIT closeEditor(editor, NoHint);
            Q_EMIT enteredForSelection(text);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}
