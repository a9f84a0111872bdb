#pragma once

#include "formula/CellAddress.h"

#include <QString>
#include <QStringView>

// Formulas as workbooks hold them, made into the text a cell of the grid takes.
namespace ImportedFormula {
// "=" and the formula of an .xlsx <f> element, without the prefixes Excel writes before newer
// functions and their parameters (_xlfn., _xlws., _xlpm.) and shows to nobody.
QString fromExcel(QStringView text);
// Whether the program's formula engine reads the formula in the cell at host.
bool isTaken(const QString& formula, CellAddress host);
} // namespace ImportedFormula
