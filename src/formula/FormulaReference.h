#pragma once

#include "formula/CellReference.h"
#include "table/CellRange.h"

#include <QString>
#include <optional>

// A cell or a rectangle of cells that a formula reads, as the formula holds it: each corner
// keeps its own relative or absolute row and column, so a group of cells sharing one formula
// can tell from it alone that each cell reads, say, "column B of its own row".
struct FormulaReference
{
    CellReference first;
    CellReference last; // the same as first for a single cell
    bool isRange = false;

    // The cells read by the formula of the cell at host, top left to bottom right; nothing when
    // a corner falls off the sheet there.
    std::optional<CellRange> at(CellAddress host) const;
    // Of the hosts, the cells of a rectangle all holding this formula, those that read cell: with
    // "same row, column B", a change in B7 reaches the host in row 7 alone; with $B$2:$B$10,
    // every host. Nothing when it reaches none.
    std::optional<CellRange> hostsReading(CellAddress cell, const CellRange& hosts) const;
    // As the formula of the cell at host shows it: "B5", "$B$2:$B$10", or "#REF!".
    QString text(CellAddress host) const;

    friend bool operator==(const FormulaReference&, const FormulaReference&) = default;
};
