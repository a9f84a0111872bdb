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

void SheetEdit::keepColumn(int column, SheetColumn before)
{
    std::erase_if(m_cells, [&](Cell& cell) {
        if (cell.column != column)
            return false;
        before.setValue(cell.row - 1, cell.content.value);
        before.setFormula(cell.row - 1, std::move(cell.content.formula));
        return true;
    });
    if (column < int(m_empty.size())) {
        for (const RowRun& run : m_empty[column])
            for (qsizetype row = run.first; row <= run.last; ++row)
                before.clear(row - 1);
        m_empty[column].clear();
    }
    m_columns.emplace_back(column, std::move(before));
}

qsizetype SheetEdit::heldCellCount() const
{
    qsizetype count = qsizetype(m_cells.size());
    for (const auto& [column, cells] : m_columns)
        count += cells.size();
    return count;
}

qsizetype SheetEdit::cellCount() const
{
    qsizetype count = heldCellCount();
    for (const std::vector<RowRun>& runs : m_empty)
        for (const RowRun& run : runs)
            count += run.last - run.first + 1;
    return count;
}
