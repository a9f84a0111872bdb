#include "table/Sheet.h"

#include "base/TextWidth.h"
#include "formula/Formula.h"
#include "formula/ValueText.h"
#include "table/SheetCalculation.h"
#include "table/SheetObserver.h"

#include <algorithm>
#include <utility>

namespace {

CellRange cellAt(qsizetype row, int column)
{
    return {row, column, row, column};
}

} // namespace

Sheet::Sheet() : m_calculation(std::make_unique<SheetCalculation>(*this)) {}
Sheet::~Sheet() = default;

const SheetColumn* Sheet::column(int column) const
{
    return column >= 1 && column <= int(m_columns.size()) ? &m_columns[column - 1] : nullptr;
}

SheetColumn& Sheet::writableColumn(int column)
{
    if (column > int(m_columns.size()))
        m_columns.resize(column);
    return m_columns[column - 1];
}

Sheet::Value Sheet::value(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    if (!cells || row < 1 || row > cells->size())
        return {};
    return cells->value(row - 1);
}

const QString* Sheet::storedText(qsizetype row, int column) const
{
    static const QString empty;
    const SheetColumn* cells = this->column(column);
    if (!cells || row < 1 || row > cells->size())
        return &empty;
    return cells->isText(row - 1) ? &cells->text(row - 1) : nullptr;
}

QString Sheet::text(qsizetype row, int column) const
{
    // Most cells hold text: it is shared as it is, without going through a value.
    if (const QString* stored = storedText(row, column))
        return *stored;
    const SheetColumn* cells = this->column(column);
    const Value value = cells->value(row - 1);
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    if (const auto* number = std::get_if<double>(&value))
        return generalNumberText(*number);
    if (const auto* boolean = std::get_if<bool>(&value))
        return *boolean ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (const auto* error = std::get_if<FormulaError>(&value))
        return errorText(*error);
    return {};
}

bool Sheet::isEmpty(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    return !cells || row < 1 || row > cells->size() || (!cells->holds(row - 1) && !cells->formula(row - 1));
}

bool Sheet::isNumber(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    return cells && row >= 1 && row <= cells->size() && cells->isNumber(row - 1);
}

bool Sheet::isError(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    return cells && row >= 1 && row <= cells->size() && cells->isError(row - 1);
}

bool Sheet::isFormula(qsizetype row, int column) const
{
    // Asked for every cell a change reaches: the formula is looked at, not shared once more.
    const SheetColumn* cells = this->column(column);
    return cells && row >= 1 && row <= cells->size() && cells->formula(row - 1);
}

Sheet::FormulaPointer Sheet::formula(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    if (!cells || row < 1 || row > cells->size())
        return {};
    return cells->formula(row - 1);
}

CellContent Sheet::content(qsizetype row, int column) const
{
    return {value(row, column), formula(row, column)};
}

QString Sheet::inputText(qsizetype row, int column) const
{
    if (const FormulaPointer cellFormula = formula(row, column))
        return cellFormula->text({row, column});
    const QString shown = text(row, column);
    // A text that typing would read otherwise gets the text marker back.
    const bool needsMarker = !isNumber(row, column) && !isError(row, column) &&
                             std::holds_alternative<QString>(value(row, column)) &&
                             (shown.startsWith(u'\'') ||
                              (shown.startsWith(u'=') && shown.size() > 1 && !hasColumnTextFormat(column)));
    return needsMarker ? u'\'' + shown : shown;
}

Sheet::PutOutcome Sheet::put(qsizetype row, int column, const QString& input)
{
    if (input.startsWith(u'\'')) {
        setText(row, column, input.mid(1));
        return {};
    }
    if (input.startsWith(u'=') && input.size() > 1 && !hasColumnTextFormat(column)) {
        const FormulaParseResult parsed = Formula::parse(input, {row, column});
        if (!parsed.formula)
            return {false, parsed.error.message};
        setFormula(row, column, parsed.formula);
        return {};
    }
    setText(row, column, input);
    return {};
}

void Sheet::setText(qsizetype row, int column, const QString& text)
{
    setContent(row, column, {text.isEmpty() ? Value() : Value(text), {}});
}

void Sheet::setNumber(qsizetype row, int column, double number)
{
    setContent(row, column, {number, {}});
}

void Sheet::setValue(qsizetype row, int column, const Value& value)
{
    setContent(row, column, {value, {}});
}

void Sheet::setFormula(qsizetype row, int column, FormulaPointer formula)
{
    // The value follows once the batch ends and the formula is calculated.
    CellContent cell = content(row, column);
    cell.formula = std::move(formula);
    setContent(row, column, cell);
}

void Sheet::clearCell(qsizetype row, int column)
{
    if (isEmpty(row, column))
        return;
    setContent(row, column, {});
}

void Sheet::setContent(qsizetype row, int column, const CellContent& content)
{
    if (!isInside(row, column))
        return;
    const CellContent before = this->content(row, column);
    const bool sameFormula = before.formula == content.formula ||
                             (before.formula && content.formula && *before.formula == *content.formula);
    // Writing what is there already changes nothing, and costs no undo step and no signal.
    if (sameFormula && (content.formula || before.value == content.value))
        return;
    Batch batch(*this);
    remember(row, column, before);
    SheetColumn& cells = writableColumn(column);
    if (!content.formula || !sameFormula)
        cells.setValue(row - 1, content.value);
    cells.setFormula(row - 1, content.formula ? m_calculation->share(content.formula) : nullptr);
    noteContentChanged(row, column, !sameFormula);
}

void Sheet::noteContentChanged(qsizetype row, int column, bool formulaChanged)
{
    noteRowHolds(row, !isEmpty(row, column));
    m_calculation->cellChanged({row, column}, formulaChanged);
    noteCellsChanged(cellAt(row, column));
}

void Sheet::noteRowHolds(qsizetype row, bool holdsValue)
{
    if (holdsValue && row > m_usedRows)
        m_usedRows = row;
    else if (!holdsValue && row == m_usedRows)
        m_usedRowsStale = true;
}

void Sheet::remember(qsizetype row, int column, const CellContent& before)
{
    if (m_recording && m_remembered.mark(row, column))
        m_edit.keep(row, column, before);
}

void Sheet::rememberColumn(int column)
{
    m_remembered.markColumn(column);
    m_edit.keepColumn(column, writableColumn(column));
}

void Sheet::swapColumn(int column, SheetColumn& cells)
{
    SheetColumn& current = writableColumn(column);
    const qsizetype rows = std::max(current.size(), cells.size());
    const bool formulasChanged = current.hasFormulas() || cells.hasFormulas();
    std::swap(current, cells);
    // The count of used rows is found again, up to the last row the column holds now.
    m_usedRows = std::max(m_usedRows, current.usedSize(current.size()));
    m_usedRowsStale = true;
    for (qsizetype row = 1; row <= rows; ++row)
        m_calculation->cellChanged({row, column}, formulasChanged);
    if (rows > 0)
        noteCellsChanged({1, column, rows, column});
}

void Sheet::replaceColumn(int column, SheetColumn cells)
{
    Batch batch(*this);
    swapColumn(column, cells);
    if (m_recording && !m_remembered.containsColumn(column)) {
        m_remembered.markColumn(column);
        m_edit.keepColumn(column, std::move(cells));
    }
}

void Sheet::willKeep(qsizetype cells)
{
    if (m_recording && m_observer)
        m_observer->keepingCells(cells);
}

void Sheet::swapContents(SheetEdit& edit)
{
    const bool recording = std::exchange(m_recording, false);
    SheetEdit swapped;
    {
        Batch batch(*this);
        edit.forEachColumn([&](int column, SheetColumn& cells) {
            swapColumn(column, cells);
            swapped.keepColumn(column, std::move(cells));
        });
        edit.forEachCell([&](SheetEdit::Cell& cell) {
            CellContent now = content(cell.row, cell.column);
            setContent(cell.row, cell.column, cell.content);
            swapped.keep(cell.row, cell.column, std::move(now));
        });
    }
    edit = std::move(swapped);
    m_recording = recording;
}

void Sheet::setRecordingEdits(bool recording)
{
    m_recording = recording;
    if (!recording) {
        m_edit = {};
        m_remembered.clear();
    }
}

void Sheet::clear()
{
    m_columns.clear();
    m_usedRows = 0;
    m_usedRowsStale = false;
    resetLooks();
    m_calculation->clear();
    // What was before a clear cannot come back cell by cell: the steps start again after it.
    m_edit = {};
    m_remembered.clear();
    if (m_batchDepth > 0) {
        m_pendingClear = true;
        m_pendingCells = {};
    } else if (m_observer) {
        m_observer->sheetCleared();
    }
}

void Sheet::resetLooks()
{
    m_cellStyles.clear();
    m_fontSize = DefaultFontSize;
    m_columnFontSizes.clear();
    m_textColumns.clear();
    m_rowMarks.clear();
}

void Sheet::clearAsEdit()
{
    clearAsEditExcept({});
}

void Sheet::clearAsEditExcept(const std::function<bool(qsizetype row, int column)>& keep)
{
    Batch batch(*this);
    clearContents(keep);
    clearFormats();
}

void Sheet::clearContents(const std::function<bool(qsizetype row, int column)>& keep)
{
    Batch batch(*this);
    std::vector<qsizetype> rows;
    for (int c = 1; c <= int(m_columns.size()); ++c) {
        rows.clear();
        m_columns[c - 1].forEachHeld([&](qsizetype i) {
            if (!keep || !keep(i + 1, c))
                rows.push_back(i + 1);
        });
        for (qsizetype row : rows)
            setContent(row, c, {});
    }
}

void Sheet::clearFormats()
{
    Batch batch(*this);
    const int columns = std::max(int(m_columns.size()), 1);
    for (const auto& [cell, style] : m_cellStyles)
        noteCellsChanged(cellAt(cell.first, cell.second));
    for (const auto& [row, mark] : m_rowMarks)
        noteCellsChanged({row, 1, row, columns});
    resetLooks();
    m_columnWidths.clear();
    noteColumnFormatChanged();
}

void Sheet::reserveRows(int firstColumn, int lastColumn, qsizetype rows)
{
    for (int c = firstColumn; c <= lastColumn; ++c)
        writableColumn(c).reserve(rows);
}

qsizetype Sheet::usedRowCount() const
{
    if (m_usedRowsStale) {
        qsizetype last = 0;
        for (const SheetColumn& cells : m_columns)
            last = std::max(last, cells.usedSize(m_usedRows));
        m_usedRows = last;
        m_usedRowsStale = false;
    }
    return m_usedRows;
}

int Sheet::usedColumnCount() const
{
    for (int c = int(m_columns.size()); c > 0; --c) {
        if (m_columns[c - 1].usedSize(m_columns[c - 1].size()) > 0)
            return c;
    }
    return 0;
}

void Sheet::setBold(qsizetype row, int column, bool bold)
{
    m_cellStyles[{row, column}].bold = bold;
    noteCellsChanged(cellAt(row, column));
}

bool Sheet::isBold(qsizetype row, int column) const
{
    auto it = m_cellStyles.find({row, column});
    return it != m_cellStyles.end() && it->second.bold;
}

void Sheet::setColor(qsizetype row, int column, Rgb rgb)
{
    m_cellStyles[{row, column}].color = rgb;
    noteCellsChanged(cellAt(row, column));
}

std::optional<Sheet::Rgb> Sheet::color(qsizetype row, int column) const
{
    auto it = m_cellStyles.find({row, column});
    return it == m_cellStyles.end() ? std::nullopt : it->second.color;
}

void Sheet::setFontSize(double points)
{
    m_fontSize = points;
    m_columnFontSizes.clear();
    noteColumnFormatChanged();
}

void Sheet::setColumnsFontSize(int firstColumn, int lastColumn, double points)
{
    for (int c = firstColumn; c <= lastColumn; ++c)
        m_columnFontSizes[c] = points;
    noteColumnFormatChanged();
}

double Sheet::fontSize(int column) const
{
    auto it = m_columnFontSizes.find(column);
    return it == m_columnFontSizes.end() ? m_fontSize : it->second;
}

void Sheet::setColumnWidth(int column, double characters)
{
    m_columnWidths[column] = characters;
    noteColumnFormatChanged();
}

std::optional<double> Sheet::columnWidth(int column) const
{
    auto it = m_columnWidths.find(column);
    return it == m_columnWidths.end() ? std::nullopt : std::optional(it->second);
}

void Sheet::autoFitColumns(int firstColumn, int lastColumn)
{
    for (int c = firstColumn; c <= lastColumn; ++c) {
        int widest = 0;
        if (c <= int(m_columns.size()))
            m_columns[c - 1].forEachHeld(
                [&](qsizetype i) { widest = std::max(widest, displayCells(text(i + 1, c))); });
        // An empty column goes back to the grid's own width.
        if (widest == 0)
            m_columnWidths.erase(c);
        else
            m_columnWidths[c] = widest + 1;
    }
    noteColumnFormatChanged();
}

void Sheet::setColumnTextFormat(int column)
{
    m_textColumns[column] = true;
    noteColumnFormatChanged();
}

bool Sheet::hasColumnTextFormat(int column) const
{
    return m_textColumns.contains(column);
}

void Sheet::markRow(qsizetype row, const QString& reason)
{
    m_rowMarks[row] = reason;
    noteCellsChanged({row, 1, row, std::max(int(m_columns.size()), 1)});
}

QString Sheet::rowMark(qsizetype row) const
{
    auto it = m_rowMarks.find(row);
    return it == m_rowMarks.end() ? QString() : it->second;
}

void Sheet::clearRowMarks()
{
    if (m_rowMarks.empty())
        return;
    CellRange marked{m_rowMarks.begin()->first, 1, m_rowMarks.rbegin()->first,
                     std::max(int(m_columns.size()), 1)};
    m_rowMarks.clear();
    noteCellsChanged(marked);
}

void Sheet::setClock(std::function<QDateTime()> now)
{
    m_calculation->setClock(std::move(now));
}

void Sheet::setFileInfoProvider(const FileInfoProvider* provider)
{
    m_calculation->setFileInfoProvider(provider);
}

void Sheet::recalculate(std::span<const CellAddress> cells)
{
    Batch batch(*this);
    for (const CellAddress cell : cells)
        m_calculation->cellChanged(cell, false);
}

void Sheet::setObserver(SheetObserver* observer)
{
    m_observer = observer;
}

void Sheet::noteCellsChanged(const CellRange& range)
{
    if (m_batchDepth > 0)
        m_pendingCells = m_pendingCells.united(range);
    else if (m_observer)
        m_observer->cellsChanged(range);
}

void Sheet::noteColumnFormatChanged()
{
    if (m_batchDepth > 0)
        m_pendingColumnFormat = true;
    else if (m_observer)
        m_observer->columnFormatChanged();
}

void Sheet::setCalculatedValues(std::span<const CalculatedValue> values)
{
    Batch batch(*this);
    for (const auto& [cell, value] : values) {
        if (!formula(cell.row, cell.column))
            continue;
        m_calculation->cellCalculated(cell, value);
        noteCellsChanged(cellAt(cell.row, cell.column));
    }
}

void Sheet::endBatch()
{
    if (m_batchDepth > 1) {
        --m_batchDepth;
        return;
    }
    // Formulas are calculated while the batch is still open, so that their new values reach the
    // view with the changes that caused them.
    const SheetCalculation::Outcome calculated = m_calculation->recalculate();
    if (!calculated.recalculated.isEmpty())
        m_pendingCells = m_pendingCells.united(calculated.recalculated);
    --m_batchDepth;
    finishChanges();
    if (m_observer && calculated.circular)
        m_observer->circularReference(*calculated.circular);
}

void Sheet::finishChanges()
{
    const bool cleared = std::exchange(m_pendingClear, false);
    const bool columns = std::exchange(m_pendingColumnFormat, false);
    const CellRange cells = std::exchange(m_pendingCells, {});
    SheetEdit step = std::exchange(m_edit, {});
    m_remembered.clear();
    if (!m_observer)
        return;
    if (cleared)
        m_observer->sheetCleared();
    if (!cells.isEmpty())
        m_observer->cellsChanged(cells);
    if (columns)
        m_observer->columnFormatChanged();
    if (!step.isEmpty())
        m_observer->editFinished(std::move(step));
}

Sheet::Batch::Batch(Sheet& sheet) : m_sheet(sheet)
{
    ++m_sheet.m_batchDepth;
}

Sheet::Batch::~Batch()
{
    m_sheet.endBatch();
}
