#include "collect/FileListModel.h"

#include "base/NativeName.h"

void FileListModel::setPaths(const QStringList& paths)
{
    setFiles(CollectedFiles(paths));
}

void FileListModel::setFiles(CollectedFiles files)
{
    beginResetModel();
    m_files = std::move(files);
    endResetModel();
}

void FileListModel::clear()
{
    setPaths({});
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_files.size());
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_files.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return NativeName::display(m_files.path(index.row()));
    return {};
}
