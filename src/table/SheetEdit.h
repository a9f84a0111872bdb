#pragma once

#include "table/SheetColumn.h"

#include <utility>
#include <vector>

// What a cell holds beyond its look: its value and, in a formula cell, the formula.
struct CellContent
{
    SheetColumn::Value value;
    SheetColumn::FormulaPointer formula;

    bool isEmpty() const { return !formula && std::holds_alternative<std::monostate>(value); }
    friend bool operator==(const CellContent&, const CellContent&) = default;
};

// One step of changes to the sheet, as an undo needs it: each cell changed, once, with what it
// held before. Swapping those contents with the sheet's undoes the step, and swapping again
// redoes it. Cells that were empty are kept as runs of rows, so a table built into an empty
// sheet costs its step next to nothing. A column rewritten over most of its rows is kept whole
// instead: a copy of its cells shares their texts, and costs less than keeping each cell apart.
class SheetEdit
{
public:
    struct Cell
    {
        qsizetype row = 0;
        int column = 0;
        CellContent content;
    };

    // Keeps what the cell held; each cell is kept once.
    void keep(qsizetype row, int column, CellContent content);
    // Keeps the whole column as it was before the step, in place of any of its cells kept one by
    // one so far: what those held goes back into `before`. No cell of the column is kept after.
    void keepColumn(int column, SheetColumn before);
    bool isEmpty() const { return m_cells.empty() && m_empty.empty() && m_columns.empty(); }
    // Cells kept one by one, and the cells of the columns kept whole.
    qsizetype cellCount() const;
    // The cells kept that held something, and the cells of the columns kept whole: what costs
    // the step its memory.
    qsizetype heldCellCount() const;

    // Calls give(column, cells) for every column kept whole; give may take the cells.
    template <typename Give> void forEachColumn(Give&& give)
    {
        for (auto& [column, cells] : m_columns)
            give(column, cells);
    }

    // Calls give(cell) for every cell kept, empty ones included; give may take the content.
    template <typename Give> void forEachCell(Give&& give)
    {
        for (Cell& cell : m_cells)
            give(cell);
        for (int column = 0; column < int(m_empty.size()); ++column)
            for (const RowRun& run : m_empty[column])
                for (qsizetype row = run.first; row <= run.last; ++row) {
                    Cell empty{row, column, {}};
                    give(empty);
                }
    }

private:
    struct RowRun
    {
        qsizetype first = 0;
        qsizetype last = 0;
    };

    std::vector<Cell> m_cells;                          // cells that held something
    std::vector<std::vector<RowRun>> m_empty;           // by column, rows in the order kept
    std::vector<std::pair<int, SheetColumn>> m_columns; // kept whole, with none of their cells above
};
