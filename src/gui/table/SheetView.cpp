#include "gui/table/SheetView.h"

#include "collect/DropIntake.h"
#include "gui/table/SheetDelegate.h"
#include "table/GridDesign.h"
#include "table/SheetModel.h"
#include "table/TabularText.h"
#include "workbook/ImportFileNames.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

namespace {

int pointsToPixels(double points)
{
    return qRound(points * 96.0 / 72.0);
}

// The one file a drop carries when it is a table to import, else empty.
QString droppedWorkbook(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = localPathOf(data->urls().first());
    return ImportFileNames::isImportable(path) ? path : QString();
}

} // namespace

SheetView::SheetView(QWidget* parent) : QTableView(parent)
{
    QFont font(QStringLiteral("宋体"), 11);
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback")});
    setFont(font);
    setItemDelegate(new SheetDelegate(this));
    verticalHeader()->setDefaultSectionSize(pointsToPixels(GridDesign::RowHeightPt) + 2);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(pointsToPixels(GridDesign::OtherColumnWidthPt));
    setWordWrap(false);
    // A spreadsheet cuts a long text at the cell's edge rather than shortening it with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    setAcceptDrops(true);

    auto addAction = [this](const QString& text, const QKeySequence& keys, void (SheetView::*slot)()) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        QWidget::addAction(action);
    };
    addAction(QStringLiteral("复制"), QKeySequence::Copy, &SheetView::copySelection);
    addAction(QStringLiteral("粘贴"), QKeySequence::Paste, &SheetView::paste);
    addAction(QStringLiteral("清除内容"), QKeySequence::Delete, &SheetView::clearSelectedCells);
    addAction(QStringLiteral("向下填充"), QKeySequence(Qt::CTRL | Qt::Key_D), &SheetView::fillDown);
}

void SheetView::setSheetModel(SheetModel* model)
{
    m_model = model;
    setModel(model);
    connect(model, &SheetModel::formatChanged, this, &SheetView::applyColumnWidths);
    connect(model, &QAbstractItemModel::columnsInserted, this, &SheetView::applyColumnWidths);
    applyColumnWidths();
}

int SheetView::pixelsForCharacters(double characters) const
{
    return qRound(characters * fontMetrics().horizontalAdvance(u'0')) + 5;
}

void SheetView::applyColumnWidths()
{
    if (!m_model)
        return;
    const Sheet& sheet = m_model->sheet();
    for (int c = 1; c <= m_model->columnCount(); ++c) {
        int width = pointsToPixels(GridDesign::columnWidthPt(c));
        if (auto characters = sheet.columnWidth(c))
            width = pixelsForCharacters(*characters);
        horizontalHeader()->resizeSection(c - 1, width);
    }
}

CellRange SheetView::selectedRange() const
{
    CellRange range;
    if (!selectionModel())
        return range;
    for (const QItemSelectionRange& r : selectionModel()->selection())
        range = range.united({r.top() + 1, r.left() + 1, r.bottom() + 1, r.right() + 1});
    return range;
}

void SheetView::copySelection()
{
    const CellRange range = selectedRange();
    if (m_model && !range.isEmpty())
        QApplication::clipboard()->setText(TabularText::fromSheet(m_model->sheet(), range));
}

void SheetView::paste()
{
    const QModelIndex at = currentIndex();
    if (!m_model || !at.isValid())
        return;
    const auto rows = TabularText::parse(QApplication::clipboard()->text());
    if (rows.isEmpty())
        return;
    const CellRange written = TabularText::pasteInto(m_model->sheet(), at.row() + 1, at.column() + 1, rows);
    if (!written.isEmpty())
        selectionModel()->select(QItemSelection(m_model->index(int(written.top) - 1, written.left - 1),
                                                m_model->index(int(written.bottom) - 1, written.right - 1)),
                                 QItemSelectionModel::ClearAndSelect);
}

void SheetView::clearSelectedCells()
{
    if (!m_model)
        return;
    Sheet& sheet = m_model->sheet();
    Sheet::Batch batch(sheet);
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        sheet.clearCell(index.row() + 1, index.column() + 1);
}

void SheetView::fillDown()
{
    if (!m_model)
        return;
    Sheet& sheet = m_model->sheet();
    Sheet::Batch batch(sheet);
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        for (int c = r.left() + 1; c <= r.right() + 1; ++c) {
            const Sheet::Value first = sheet.value(r.top() + 1, c);
            for (int row = r.top() + 2; row <= r.bottom() + 1; ++row)
                sheet.setValue(row, c, first);
        }
    }
}

void SheetView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void SheetView::dragMoveEvent(QDragMoveEvent* event)
{
    if (droppedWorkbook(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void SheetView::dropEvent(QDropEvent* event)
{
    const QString path = droppedWorkbook(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT workbookDropped(path);
}
