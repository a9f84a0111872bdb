#include "collect/FileListModel.h"

#include "base/NativeName.h"

void FileListModel::setPaths(QStringList paths)
{
    beginResetModel();
    m_paths = std::move(paths);
    endResetModel();
}

void FileListModel::clear()
{
    setPaths({});
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_paths.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_paths.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return NativeName::display(m_paths.at(index.row()));
    return {};
}
