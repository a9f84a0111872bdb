#pragma once

#include <QString>

class ImportedTable;
class Sheet;

// Makes the imported table the sheet's table: every cell of the sheet the table leaves empty is
// emptied and every cell of the table put in its place, with its value, its formula and its look
// (a cell that holds it already stays as it is), every look of the sheet's own is dropped, and
// the columns take
// the table's widths, fonts and text formats. All of it is one batch of changes, so a sheet that
// records edits keeps it as one step and an undo brings the previous cells back. No table build
// runs: the columns keep the roles the table gives them.
// A table reaching beyond the sheet's rows or columns is refused: the reason comes back, in
// Chinese, and the sheet stays as it was. Empty on success.
QString placeImportedTable(Sheet& sheet, const ImportedTable& table);
