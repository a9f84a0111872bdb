#pragma once

#include <QStyledItemDelegate>

// Draws a cell with the formats the sheet keeps: bold, colour, font size, the light red of a
// marked row and the amber of a row the next run would refuse.
class SheetDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
