#pragma once

#include "formula/CellAddress.h"
#include "workbook/ImportedCell.h"
#include "workbook/ImportedColumn.h"

#include <vector>

// The cells a spreadsheet file holds, one entry per cell present: memory follows the cells,
// never the rectangle around them. Once finished, cells run row by row, left to right.
class ImportedTable
{
public:
    // Cells sorted by row, then column; at most one per place.
    const std::vector<ImportedCell>& cells() const { return m_cells; }
    // The cell at row and column, or null where the file holds nothing.
    const ImportedCell* cell(qsizetype row, int column) const;
    const std::vector<ImportedColumn>& columns() const { return m_columns; }
    // The last row and the rightmost column holding a cell; 0 for an empty table.
    qsizetype rowCount() const;
    int columnCount() const;
    bool isEmpty() const { return m_cells.empty(); }

    // Formulas the program cannot compute (a reference to another sheet, a syntax of another
    // application): their cells hold the value the file gives, without the formula.
    qsizetype formulasLeftOut() const { return m_formulasLeftOut; }
    // The first of them, row by row, to name to the user.
    CellAddress firstFormulaLeftOut() const { return m_firstFormulaLeftOut; }

    // Building, for the readers.
    qsizetype size() const { return qsizetype(m_cells.size()); }
    void append(ImportedCell cell) { m_cells.push_back(std::move(cell)); }
    ImportedCell& cellAt(qsizetype index) { return m_cells[index]; }
    // The columns of spans, in order and apart, up to the rename table's last column or the last
    // column holding a value: files often describe columns to the grid's end.
    void setColumns(const std::vector<ColumnSpan>& spans);
    void noteFormulaLeftOut(CellAddress cell);
    // Drops the cells whose places pass keep() false.
    template <typename Keep> void retain(Keep keep)
    {
        std::erase_if(m_cells, [&](const ImportedCell& cell) { return !keep(cell); });
    }
    // Sorts the cells; of two at the same place the one appended later stays, and cells that
    // hold neither a value, a formula nor a look of their own go.
    void finish();

private:
    std::vector<ImportedCell> m_cells;
    std::vector<ImportedColumn> m_columns;
    qsizetype m_formulasLeftOut = 0;
    CellAddress m_firstFormulaLeftOut{0, 0};
};
