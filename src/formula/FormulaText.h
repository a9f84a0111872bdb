#pragma once

#include "formula/CellAddress.h"

#include <QString>

struct FormulaProgram;

// The formula as the formula bar of the cell at host shows it: "=" and the formula with its
// references as seen from there, its functions' names in capitals, without the blanks typed.
QString formulaText(const FormulaProgram& program, CellAddress host);
