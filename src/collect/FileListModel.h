#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The file list: full paths in collection order, duplicates allowed.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    const QStringList& paths() const { return m_paths; }
    qsizetype count() const { return m_paths.size(); }
    void setPaths(QStringList paths);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QStringList m_paths;
};
