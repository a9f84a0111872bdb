#pragma once

struct CellRange;

// Told after the sheet changed; a batch of changes arrives as one call per kind.
class SheetObserver
{
public:
    virtual ~SheetObserver() = default;
    virtual void cellsChanged(const CellRange& range) = 0;
    virtual void sheetCleared() = 0;
    virtual void columnFormatChanged() = 0;
};
