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
    // A formula of the circle of references found last reads itself, directly or through others.
    virtual void circularReference(CellAddress cell) { (void)cell; }
};
