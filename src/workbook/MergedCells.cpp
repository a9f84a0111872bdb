#include "workbook/MergedCells.h"

#include "workbook/ImportedTable.h"

#include <algorithm>
#include <map>

void MergedCells::add(const CellName::Range& range)
{
    CellName::Range ordered{
        {std::min(range.first.row, range.last.row), std::min(range.first.column, range.last.column)},
        {std::max(range.first.row, range.last.row), std::max(range.first.column, range.last.column)}};
    if (ordered.first != ordered.last)
        m_ranges.push_back(ordered);
}

void MergedCells::clearCovered(ImportedTable& table)
{
    if (m_ranges.empty())
        return;
    std::sort(m_ranges.begin(), m_ranges.end(),
              [](const CellName::Range& a, const CellName::Range& b) { return a.first.row < b.first.row; });
    // The ranges that reach the current row, by their first column; ranges do not overlap.
    std::map<int, const CellName::Range*> open;
    auto next = m_ranges.begin();
    table.retain([&](CellAddress cell) {
        for (; next != m_ranges.end() && next->first.row <= cell.row; ++next)
            open[next->first.column] = &*next;
        auto at = open.upper_bound(cell.column);
        while (at != open.begin()) {
            --at;
            const CellName::Range& range = *at->second;
            if (range.last.row < cell.row) {
                at = open.erase(at);
                continue;
            }
            const bool covered = cell.column <= range.last.column &&
                                 !(cell.row == range.first.row && cell.column == range.first.column);
            return !covered;
        }
        return true;
    });
}
