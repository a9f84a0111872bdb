#pragma once

#include <QtGlobal>

// What an .xlsx worksheet holds at most.
namespace WorkbookLimits {
constexpr qsizetype MaxRows = 1048576;
constexpr int MaxColumns = 16384;
// The longest text of a cell, counted in UTF-16 units as spreadsheet applications count it.
constexpr qsizetype MaxCellText = 32767;
} // namespace WorkbookLimits
