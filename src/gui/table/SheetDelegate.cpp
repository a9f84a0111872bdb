#include "gui/table/SheetDelegate.h"

#include "table/SheetRoles.h"

#include <QColor>

void SheetDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const double size = index.data(SheetRole::FontSize).toDouble();
    if (size > 0)
        option->font.setPointSizeF(size);
    option->font.setBold(index.data(SheetRole::Bold).toBool());
    if (const QVariant rgb = index.data(SheetRole::Color); rgb.isValid())
        option->palette.setColor(QPalette::Text, QColor::fromRgb(QRgb(rgb.toUInt())));
    if (index.data(SheetRole::Marked).toBool())
        option->backgroundBrush = QColor(255, 214, 214);
}
