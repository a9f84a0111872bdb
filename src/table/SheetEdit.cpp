#include "table/SheetEdit.h"

void SheetEdit::keep(qsizetype row, int column, CellContent content)
{
    if (!content.isEmpty()) {
        m_cells.push_back({row, column, std::move(content)});
        return;
    }
    if (column >= int(m_empty.size()))
        m_empty.resize(column + 1);
    std::vector<RowRun>& runs = m_empty[column];
    if (!runs.empty() && runs.back().last + 1 == row)
        runs.back().last = row;
    else
        runs.push_back({row, row});
}

qsizetype SheetEdit::cellCount() const
{
    qsizetype count = qsizetype(m_cells.size());
    for (const std::vector<RowRun>& runs : m_empty)
        for (const RowRun& run : runs)
            count += run.last - run.first + 1;
    return count;
}
