#pragma once

#include <optional>

// What a file says about one column of the table beyond its cells.
struct ImportedColumn
{
    int column = 0;                 // from 1
    std::optional<double> width;    // in characters of the digit 0
    std::optional<double> fontSize; // in points, when it differs from the file's default
    bool text = false;              // number format "@": what is typed stays text

    bool saysAnything() const { return width || fontSize || text; }
};

// Columns first to last (from 1) alike, as files describe them.
struct ColumnSpan
{
    int first = 0;
    int last = 0;
    ImportedColumn format;
};
