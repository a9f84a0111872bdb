#include "collect/FileListView.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    return paths;
}

} // namespace

FileListView::FileListView(QWidget* parent) : QListView(parent)
{
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// Any drop starts a new collection, even one without file paths (which then adds nothing).
void FileListView::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void FileListView::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void FileListView::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    Q_EMIT pathsDropped(localPaths(event->mimeData()));
}
