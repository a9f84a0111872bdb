#include "gui/collect/FileListDelegate.h"

#include <algorithm>

QSize FileListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), m_minimumWidth));
    return size;
}
