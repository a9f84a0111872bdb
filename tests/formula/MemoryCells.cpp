#include "MemoryCells.h"

#include "formula/CellReference.h"
#include "formula/CellVisitor.h"

void MemoryCells::set(const char* name, const FormulaValue& value)
{
    const CellAddress cell = *CellReference::fromText(QString::fromLatin1(name), {1, 1})->at({1, 1});
    m_cells[{cell.row, cell.column}] = value;
}

FormulaValue MemoryCells::cellValue(qsizetype row, int column) const
{
    ++m_reads;
    const auto found = m_cells.find({row, column});
    return found == m_cells.end() ? FormulaValue() : found->second;
}

void MemoryCells::visitCells(const CellRange& range, CellVisitor& visitor) const
{
    for (auto it = m_cells.lower_bound({range.top, range.left}); it != m_cells.end(); ++it) {
        const auto [row, column] = it->first;
        if (row > range.bottom)
            return;
        if (column >= range.left && column <= range.right && !it->second.isEmpty() &&
            !visitor.visit({row, column}, it->second))
            return;
    }
}
