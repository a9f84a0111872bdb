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
// redoes it.
struct SheetEdit
{
    struct Cell
    {
        qsizetype row = 0;
        int column = 0;
        CellContent content;
    };

    std::vector<Cell> cells;

    bool isEmpty() const { return cells.empty(); }
};
