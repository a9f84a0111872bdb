#pragma once

#include "formula/CellAddress.h"

struct CellRange;
struct SheetEdit;

// Told after the sheet changed; a batch of changes arrives as one call per kind.
class SheetObserver
{
public:
    virtual ~SheetObserver() = default;
    virtual void cellsChanged(const CellRange& range) = 0;
    virtual void sheetCleared() = 0;
    virtual void columnFormatChanged() = 0;
    // The batch's changes as one step for an undo, while the sheet records them.
    virtual void editFinished(SheetEdit&& edit) { (void)edit; }
    // The batch under way is about to keep that many cells for its step: older steps may go
    // first, so that the memory they free holds the new cells.
    virtual void keepingCells(qsizetype cells) { (void)cells; }
    // A formula of the circle of references found last reads itself, directly or through others.
    virtual void circularReference(CellAddress cell) { (void)cell; }
};
