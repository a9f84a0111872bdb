#pragma once

#include <QListView>

class CollectedFiles;
class FileListDelegate;
class QMimeData;

// The file list on screen; files and folders dropped from a file manager arrive through
// pathsDropped, in the order the source gives them.
class FileListView : public QListView
{
    Q_OBJECT

public:
    explicit FileListView(QWidget* parent = nullptr);

    // The scrollable width in pixels, so that long paths can be scrolled into view.
    int horizontalExtent() const { return m_horizontalExtent; }
    void setHorizontalExtent(int pixels);
    // Sets the extent to the widest of the entries in the list's font, plus a margin of 10.
    void fitHorizontalExtent(const CollectedFiles& files);
    // Takes what a drop brings as a drop on the list: the window passes on drops elsewhere.
    void takeDrop(const QMimeData* data);

Q_SIGNALS:
    void pathsDropped(const QStringList& paths);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    FileListDelegate* m_delegate = nullptr;
    int m_horizontalExtent = 0;
};
