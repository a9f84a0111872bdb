#pragma once

#include "workbook/CellName.h"

#include <vector>

class ImportedTable;

// Merged ranges of a sheet. A spreadsheet shows the value of a merged range's top-left cell
// only; whatever the file holds in the cells it covers stays unseen, and is not imported.
class MergedCells
{
public:
    void add(const CellName::Range& range);
    qsizetype size() const { return qsizetype(m_ranges.size()); }
    // Drops the covered cells from a finished table, in one pass over its cells.
    void clearCovered(ImportedTable& table);

private:
    std::vector<CellName::Range> m_ranges;
};
