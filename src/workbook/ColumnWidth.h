#pragma once

// Column widths as the sheet keeps them, in characters of the default font's digit, from the
// units files give them in.
namespace ColumnWidth {
// Excel's unit: characters of its 7-pixel digit plus 5 pixels of padding.
double fromExcelWidth(double width);
// A length on paper, as .ods files give widths (1 pt is 1/72 in, drawn at 96 pixels an inch).
double fromPoints(double points);
} // namespace ColumnWidth
