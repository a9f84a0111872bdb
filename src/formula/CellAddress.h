#pragma once

#include <QtGlobal>

// A cell of the sheet, 1-based: row 1, column 1 is A1.
struct CellAddress
{
    qsizetype row = 1;
    int column = 1;

    friend bool operator==(const CellAddress&, const CellAddress&) = default;
};
