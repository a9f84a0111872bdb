#include "gui/collect/FileListView.h"

#include "base/NativeName.h"
#include "collect/CollectedFiles.h"
#include "collect/DropIntake.h"
#include "collect/WidestEntries.h"
#include "gui/collect/FileListDelegate.h"

#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {

QStringList localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls())
        if (const QString path = localPathOf(url); !path.isEmpty())
            paths << path;
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
    m_delegate = new FileListDelegate(this);
    setItemDelegate(m_delegate);
}

void FileListView::setHorizontalExtent(int pixels)
{
    m_horizontalExtent = pixels;
    m_delegate->setMinimumWidth(pixels);
    scheduleDelayedItemsLayout();
}

void FileListView::fitHorizontalExtent(const CollectedFiles& files)
{
    // The entries with the most character cells are the ones to measure; a million paths are
    // not measured one by one.
    constexpr qsizetype Candidates = 32;
    const QFontMetrics metrics(font());
    int widest = 0;
    for (qsizetype index : widestEntries(files, Candidates))
        widest = std::max(widest, metrics.horizontalAdvance(NativeName::display(files.path(index))));
    setHorizontalExtent(widest + 10);
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
    takeDrop(event->mimeData());
}

void FileListView::takeDrop(const QMimeData* data)
{
    Q_EMIT pathsDropped(localPaths(data));
}
