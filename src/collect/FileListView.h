#pragma once

#include <QListView>

// The file list on screen; files and folders dropped from a file manager arrive through
// pathsDropped, in the order the source gives them.
class FileListView : public QListView
{
    Q_OBJECT

public:
    explicit FileListView(QWidget* parent = nullptr);

Q_SIGNALS:
    void pathsDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
