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
    auto* delegate = new SheetDelegate(this);
    setItemDelegate(delegate);
    connect(delegate, &SheetDelegate::enteredForSelection, this, &SheetView::enterIntoSelection);
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

    auto addAction = [this](const char* name, const QString& text, const QKeySequence& keys,
                            void (SheetView::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        QWidget::addAction(action);
    };
    addAction("cutCells", QStringLiteral("剪切"), QKeySequence::Cut, &SheetView::cutSelection);
    addAction("copyCells", QStringLiteral("复制"), QKeySequence::Copy, &SheetView::copySelection);
    addAction("pasteCells", QStringLiteral("粘贴"), QKeySequence::Paste, &SheetView::paste);
    addAction("clearCells", QStringLiteral("清除内容"), QKeySequence::Delete, &SheetView::clearSelectedCells);
    addAction("fillDown", QStringLiteral("向下填充"), QKeySequence(Qt::CTRL | Qt::Key_D),
              &SheetView::fillDown);
    addAction("selectAllCells", QStringLiteral("全选"), QKeySequence::SelectAll,
              &QAbstractItemView::selectAll);
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

void SheetView::addHistoryActions(QAction* undo, QAction* redo)
{
    const QList<QAction*> own = actions();
    insertActions(own.value(0), {undo, redo});
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    insertAction(own.value(0), separator);
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

QList<CellRange> SheetView::usedSelection() const
{
    QList<CellRange> blocks;
    if (!m_model || !selectionModel())
        return blocks;
    const qsizetype rows = m_model->sheet().usedRowCount();
    const int columns = m_model->sheet().usedColumnCount();
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        const CellRange block{r.top() + 1, r.left() + 1, std::min<qsizetype>(r.bottom() + 1, rows),
                              std::min(r.right() + 1, columns)};
        if (!block.isEmpty())
            blocks << block;
    }
    return blocks;
}

void SheetView::copySelection()
{
    const CellRange range = selectedRange();
    if (m_model && !range.isEmpty())
        m_clipboard.copy(m_model->sheet(), range);
}

void SheetView::cutSelection()
{
    copySelection();
    clearSelectedCells();
}

void SheetView::paste()
{
    const QModelIndex at = currentIndex();
    if (!m_model || !at.isValid())
        return;
    const CellRange written = m_clipboard.paste(m_model->sheet(), at.row() + 1, at.column() + 1);
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
    // Only what holds anything needs emptying: a whole selected sheet is mostly empty.
    for (const CellRange& block : usedSelection())
        for (qsizetype r = block.top; r <= block.bottom; ++r)
            for (int c = block.left; c <= block.right; ++c)
                sheet.clearCell(r, c);
}

void SheetView::fillDown()
{
    if (!m_model)
        return;
    Sheet& sheet = m_model->sheet();
    Sheet::Batch batch(sheet);
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        const qsizetype bottom = r.bottom() + 1;
        const qsizetype source = r.height() > 1 ? r.top() + 1 : r.top();
        if (source < 1)
            continue;
        for (int c = r.left() + 1; c <= r.right() + 1; ++c) {
            // One formula for the whole column: each row reads the cells at its own distance.
            const CellContent first = sheet.content(source, c);
            for (qsizetype row = source + 1; row <= bottom; ++row)
                sheet.setContent(row, c, first);
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

void SheetView::enterIntoSelection(const QString& input)
{
    const QModelIndex at = currentIndex();
    if (!m_model || !at.isValid())
        return;
    Sheet& sheet = m_model->sheet();
    Sheet::Batch batch(sheet);
    // The current cell reads the input as typing does, refusing a formula it cannot read; the
    // others take what it holds then, a formula shifted to each of them.
    if (!m_model->setData(at, input, Qt::EditRole))
        return;
    const CellContent entered = sheet.content(at.row() + 1, at.column() + 1);
    for (const QItemSelectionRange& r : selectionModel()->selection())
        for (qsizetype row = r.top() + 1; row <= r.bottom() + 1; ++row)
            for (int c = r.left() + 1; c <= r.right() + 1; ++c)
                sheet.setContent(row, c, entered);
}
