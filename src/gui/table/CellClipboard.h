#pragma once

#include "table/CellRange.h"
#include "table/SheetEdit.h"

#include <QByteArray>
#include <vector>

class Sheet;

// Copy and paste between cells of the program: the copied cells keep their formulas, and a
// formula pasted elsewhere reads the cells at the same distance from its new place, as
// spreadsheets shift relative references. The system clipboard gets the shown values as
// tab-separated text for other programs, with a mark that tells this program's own copy apart.
class CellClipboard
{
public:
    // Puts the range on the system clipboard and keeps its cells.
    void copy(const Sheet& sheet, const CellRange& range);
    // Pastes from (row, column) on, this program's cells when the clipboard still holds their
    // copy, else the clipboard's text as typed input. Returns the range written.
    CellRange paste(Sheet& sheet, qsizetype row, int column) const;

private:
    bool holdsOwnCopy() const;

    QByteArray m_mark; // what the system clipboard carries beside the copy's text
    qsizetype m_rows = 0;
    int m_columns = 0;
    std::vector<CellContent> m_cells; // row by row
};
