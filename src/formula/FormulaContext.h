#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"
#include "table/CellRange.h"

#include <QDateTime>

class CellVisitor;
class FileInfoProvider;

// What a formula reads while it is evaluated: the sheet's cells, the time, and file facts.
class FormulaContext
{
public:
    virtual ~FormulaContext() = default;

    // The value of the cell at the 1-based row and column; an empty value for an empty cell.
    virtual FormulaValue cellValue(qsizetype row, int column) const = 0;

    // Hands the visitor the cells of range that hold a value, row by row and each row from left
    // to right, until it returns false. This asks cellValue for every cell; a sheet that knows
    // where its values are can skip the empty stretches.
    virtual void visitCells(const CellRange& range, CellVisitor& visitor) const;

    // The local date and time that TODAY and NOW give, fixed for one recalculation.
    virtual QDateTime currentDateTime() const = 0;

    // Answers FILEINFO; without one FILEINFO gives #N/A.
    virtual const FileInfoProvider* fileInfoProvider() const { return nullptr; }
};
