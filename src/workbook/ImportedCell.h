#pragma once

#include "workbook/ImportedValue.h"

#include <QString>

#include <optional>

// One cell of an imported table: where it is, what the file holds there (for a formula, the
// value the spreadsheet last computed) and the looks the grid keeps.
struct ImportedCell
{
    qsizetype row = 0; // from 1
    int column = 0;    // from 1
    bool bold = false;
    std::optional<quint32> color; // 0xRRGGBB
    ImportedValue value;
    QString formula; // in the program's syntax, "=" included; empty for none
};
