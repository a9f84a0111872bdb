#pragma once

#include "collect/CollectedFiles.h"

#include <QAbstractListModel>
#include <QStringList>

// The file list: full paths in collection order, duplicates allowed.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    const CollectedFiles& files() const { return m_files; }
    QStringList paths() const { return m_files.paths(); }
    qsizetype count() const { return m_files.size(); }
    void setPaths(const QStringList& paths);
    void setFiles(CollectedFiles files);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    CollectedFiles m_files;
};
