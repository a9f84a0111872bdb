#pragma once

#include "base/Progress.h"
#include "table/ColumnRefill.h"
#include "table/Sheet.h"

#include <QString>

// Fills one column of every data row with texts made from the rows' other cells; make(row,
// text) reads any column but the one filled, writes the row's text into the empty text it is
// handed, whose room is kept from row to row, and returns false for a row whose cell stays as it
// is. The texts are made on the sheet's own thread: made side by side, a million of them would
// sit in the other threads' malloc arenas, some 50 MB more than the same texts made here.
template <typename Make> void fillColumn(Sheet& sheet, int column, Progress& progress, const Make& make)
{
    const qsizetype last = sheet.usedRowCount();
    ColumnRefill cells(sheet, column, last);
    QString text;
    for (const qsizetype row : sheet.dataRows()) {
        text.resize(0);
        if (make(row, text))
            cells.setCopy(row, text);
        if (row % Progress::RowsPerReport == 0 || row == last)
            progress.setValue(row);
    }
}

// The cell's text, shared with the cell where it holds one; made in `made` otherwise.
inline const QString& cellText(const Sheet& sheet, qsizetype row, int column, QString& made)
{
    if (const QString* stored = sheet.storedText(row, column))
        return *stored;
    return made = sheet.text(row, column);
}
