#pragma once

#include "table/SheetColumn.h"

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
// sheet costs its step next to nothing.
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
    bool isEmpty() const { return m_cells.empty() && m_empty.empty(); }
    qsizetype cellCount() const;
    // The cells kept that held something, which cost the step its memory.
    qsizetype heldCellCount() const { return qsizetype(m_cells.size()); }

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

    std::vector<Cell> m_cells;                // cells that held something
    std::vector<std::vector<RowRun>> m_empty; // by column, rows in the order kept
};
