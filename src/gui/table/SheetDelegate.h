#pragma once

#include <QStyledItemDelegate>

// Draws a cell with the formats the sheet keeps: bold, colour, font size, the light red of a
// marked row and the amber of a row the next run would refuse, a frame round the current cell. While a cell
// is edited, Ctrl+Enter hands the text on for every selected cell instead of putting it into the one edited.
class SheetDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The current cell gets a clear frame of its own, seen from across the room.
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

Q_SIGNALS:
    void enteredForSelection(const QString& text);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;
};
