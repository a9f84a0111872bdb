#pragma once

#include "table/CellRange.h"
#include "table/Sheet.h"

#include <QString>

// Writes one column of a sheet cell by cell, as Sheet::setText and setNumber would, for what
// fills a whole column (the table build, the rules). Each cell's former content is kept for the
// undo as usual; what goes is the cost of a general write repeated a million times: the cell is
// not copied out as a value to be compared, and the view and the formulas hear of the rows
// written once, when the writer goes.
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
    // Keeps what the cell holds for the undo; whether it held a formula, which the write removes.
    bool keepFormer(qsizetype row);
    void noteWritten(qsizetype row, bool hadFormula, bool holdsValue);

    Sheet& m_sheet;
    Sheet::Batch m_batch;
    int m_column;
    CellRange m_written;
};
