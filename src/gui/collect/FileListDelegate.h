#pragma once

#include <QStyledItemDelegate>

// Draws the file list's entries as the standard delegate does, but makes every entry at least
// as wide as the list's horizontal extent. The list uses uniform item sizes, so the first
// entry's size stands for all; the extent is what makes the long ones scrollable.
class FileListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setMinimumWidth(int pixels) { m_minimumWidth = pixels; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_minimumWidth = 0;
};
