#include "table/Sheet.h"

#include "base/TextWidth.h"
#include "table/SheetObserver.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

CellRange cellAt(qsizetype row, int column)
{
    return {row, column, row, column};
}

} // namespace

Sheet::Sheet() = default;
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

QString Sheet::text(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    if (!cells || row < 1 || row > cells->size())
        return {};
    if (cells->isNumber(row - 1)) {
        const double n = cells->number(row - 1);
        // Whole numbers, such as sequence numbers, read back without an exponent.
        if (std::trunc(n) == n && std::abs(n) < 1e15)
            return QString::number(qint64(n));
        return QString::number(n, 'g', QLocale::FloatingPointShortest);
    }
    return cells->text(row - 1);
}

bool Sheet::isEmpty(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    return !cells || row < 1 || row > cells->size() || !cells->holds(row - 1);
}

bool Sheet::isNumber(qsizetype row, int column) const
{
    const SheetColumn* cells = this->column(column);
    return cells && row >= 1 && row <= cells->size() && cells->isNumber(row - 1);
}

void Sheet::put(qsizetype row, int column, const QString& input)
{
    setText(row, column, input.startsWith(u'\'') ? input.mid(1) : input);
}

void Sheet::setText(qsizetype row, int column, const QString& text)
{
    if (row < 1 || column < 1)
        return;
    if (text.isEmpty()) {
        clearCell(row, column);
        return;
    }
    writableColumn(column).setText(row - 1, text);
    noteValueStored(row, column, true);
}

void Sheet::setNumber(qsizetype row, int column, double number)
{
    if (row < 1 || column < 1)
        return;
    writableColumn(column).setNumber(row - 1, number);
    noteValueStored(row, column, true);
}

void Sheet::setValue(qsizetype row, int column, const Value& value)
{
    if (const auto* n = std::get_if<double>(&value))
        setNumber(row, column, *n);
    else if (const auto* s = std::get_if<QString>(&value))
        setText(row, column, *s);
    else
        clearCell(row, column);
}

void Sheet::clearCell(qsizetype row, int column)
{
    if (row < 1 || column < 1 || column > int(m_columns.size()) || row > m_columns[column - 1].size())
        return;
    m_columns[column - 1].clear(row - 1);
    noteValueStored(row, column, false);
}

void Sheet::noteValueStored(qsizetype row, int column, bool holdsValue)
{
    if (holdsValue && row > m_usedRows)
        m_usedRows = row;
    else if (!holdsValue && row == m_usedRows)
        m_usedRowsStale = true;
    noteCellsChanged(cellAt(row, column));
}

void Sheet::clear()
{
    m_columns.clear();
    m_usedRows = 0;
    m_usedRowsStale = false;
    m_cellStyles.clear();
    m_fontSize = DefaultFontSize;
    m_columnFontSizes.clear();
    m_textColumns.clear();
    m_rowMarks.clear();
    if (m_batchDepth > 0) {
        m_pendingClear = true;
        m_pendingCells = {};
    } else if (m_observer) {
        m_observer->sheetCleared();
    }
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
        if (c <= int(m_columns.size())) {
            const SheetColumn& cells = m_columns[c - 1];
            for (qsizetype r = 1; r <= cells.size(); ++r)
                if (cells.holds(r - 1))
                    widest = std::max(widest, displayCells(text(r, c)));
        }
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

void Sheet::endBatch()
{
    if (--m_batchDepth > 0)
        return;
    const bool cleared = std::exchange(m_pendingClear, false);
    const bool columns = std::exchange(m_pendingColumnFormat, false);
    const CellRange cells = std::exchange(m_pendingCells, {});
    if (!m_observer)
        return;
    if (cleared)
        m_observer->sheetCleared();
    if (!cells.isEmpty())
        m_observer->cellsChanged(cells);
    if (columns)
        m_observer->columnFormatChanged();
}

Sheet::Batch::Batch(Sheet& sheet) : m_sheet(sheet)
{
    ++m_sheet.m_batchDepth;
}

Sheet::Batch::~Batch()
{
    m_sheet.endBatch();
}
