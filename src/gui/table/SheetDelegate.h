#pragma once

#include <QStyledItemDelegate>

// Draws a cell with the formats the sheet keeps: bold, colour, font size, and the light red
// of a marked row.
class SheetDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
