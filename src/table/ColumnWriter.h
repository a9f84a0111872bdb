#pragma once

#include "table/CellRange.h"
#include "table/Sheet.h"

#include <QString>

// Writes one column of a sheet cell by cell, as Sheet::setText and setNumber would, for what
// fills a whole column (the table build, the rules). Each cell's former content is kept for the
// undo as usual, or the whole column once the writer has changed many of its cells; what goes
// is the cost of a general write repeated a million times: the cell is not copied out as a
// value to be compared, and the view and the formulas hear of the rows written once, when the
// writer goes.
class ColumnWriter
{
public:
    ColumnWriter(Sheet& sheet, int column);
    ~ColumnWriter();
    ColumnWriter(const ColumnWriter&) = delete;
    ColumnWriter& operator=(const ColumnWriter&) = delete;

    void setText(qsizetype row, QString text);
    void setNumber(qsizetype row, double number);

private:
    // Cells that held something kept one by one before the column is kept whole, at least; or a
    // sixteenth of the column, where a copy of the column costs less than keeping them apart.
    static constexpr qsizetype WholeColumnAfter = 4096;

    // Keeps what the cell holds for the undo; whether it held a formula, which the write removes.
    bool keepFormer(qsizetype row);
    void noteWritten(qsizetype row, bool hadFormula, bool holdsValue);

    Sheet& m_sheet;
    Sheet::Batch m_batch;
    int m_column;
    CellRange m_written;
    qsizetype m_keptHeld = 0; // cells that held something, kept one by one
};
