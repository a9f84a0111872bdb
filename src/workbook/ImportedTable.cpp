#include "workbook/ImportedTable.h"

#include <algorithm>

namespace {

// The columns of the rename table, which keep their formats even while empty.
constexpr int TableColumns = 8;

bool before(const ImportedCell& a, const ImportedCell& b)
{
    return a.row < b.row || (a.row == b.row && a.column < b.column);
}

bool samePlace(const ImportedCell& a, const ImportedCell& b)
{
    return a.row == b.row && a.column == b.column;
}

bool holdsSomething(const ImportedCell& cell)
{
    return !cell.value.isEmpty() || !cell.formula.isEmpty() || cell.bold || cell.color;
}

} // namespace

const ImportedCell* ImportedTable::cell(qsizetype row, int column) const
{
    ImportedCell probe;
    probe.row = row;
    probe.column = column;
    const auto found = std::lower_bound(m_cells.begin(), m_cells.end(), probe, before);
    return found != m_cells.end() && samePlace(*found, probe) ? &*found : nullptr;
}

qsizetype ImportedTable::rowCount() const
{
    return m_cells.empty() ? 0 : m_cells.back().row;
}

int ImportedTable::columnCount() const
{
    int columns = 0;
    for (const ImportedCell& cell : m_cells)
        columns = std::max(columns, cell.column);
    return columns;
}

void ImportedTable::setColumns(const std::vector<ColumnSpan>& spans)
{
    int lastColumn = TableColumns;
    for (const ImportedCell& cell : m_cells)
        if (!cell.value.isEmpty() || !cell.formula.isEmpty())
            lastColumn = std::max(lastColumn, cell.column);
    m_columns.clear();
    for (const ColumnSpan& span : spans) {
        if (!span.format.saysAnything())
            continue;
        for (int c = span.first; c <= std::min(span.last, lastColumn); ++c) {
            m_columns.push_back(span.format);
            m_columns.back().column = c;
        }
    }
}

void ImportedTable::noteFormulaLeftOut(CellAddress cell)
{
    const CellAddress& first = m_firstFormulaLeftOut;
    if (m_formulasLeftOut++ == 0 || cell.row < first.row ||
        (cell.row == first.row && cell.column < first.column))
        m_firstFormulaLeftOut = cell;
}

void ImportedTable::finish()
{
    // Files list their cells in order almost always; a stable sort keeps the later of two.
    if (!std::is_sorted(m_cells.begin(), m_cells.end(), before))
        std::stable_sort(m_cells.begin(), m_cells.end(), before);
    const auto last = std::unique(m_cells.rbegin(), m_cells.rend(), samePlace);
    m_cells.erase(m_cells.begin(), last.base());
    std::erase_if(m_cells, [](const ImportedCell& cell) { return !holdsSomething(cell); });
}
