#pragma once

#include "formula/CellAddress.h"

#include <QString>

struct FormulaProgram;

// How a formula is written: as the formula bar shows it, or as a workbook file stores it, where
// functions newer than the file format carry the prefix "_xlfn." (_xlfn.TEXTJOIN).
enum class FormulaDialect
{
    Program,
    Workbook
};

// The formula as the formula bar of the cell at host shows it: "=" and the formula with its
// references as seen from there, its functions' names in capitals, without the blanks typed.
QString formulaText(const FormulaProgram& program, CellAddress host,
                    FormulaDialect dialect = FormulaDialect::Program);

// Whether the formula calls a function of the program's own, which spreadsheet applications
// do not know (FILEINFO).
bool callsOwnFunctions(const FormulaProgram& program);
