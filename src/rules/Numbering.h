#pragma once

#include <QString>

class Sheet;

// Writes the numbering column K of every data row: the prefix, one fixed "0" and the row's
// position in the table (row 2 is 1), unpadded: 01, 09, 010, 0125; with the prefix A: A01.
// With numbering off, K is emptied. The value is always text, so the leading zero stays.
void writeNumbering(Sheet& sheet, bool on, const QString& prefix);
