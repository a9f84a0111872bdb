#include "table/KeptCells.h"

#include <algorithm>

namespace {

// Rows this far beyond a column's marks still go into its bits.
constexpr qsizetype NearRows = 4096;

quint64 farKey(qsizetype row, int column)
{
    return quint64(row) << 16 | quint64(column);
}

} // namespace

bool KeptCells::mark(qsizetype row, int column)
{
    if (containsColumn(column))
        return false;
    if (int(m_near.size()) < column)
        m_near.resize(column);
    std::vector<bool>& rows = m_near[column - 1];
    const qsizetype marked = qsizetype(rows.size());
    const quint64 key = farKey(row, column);
    if (row > 2 * marked + NearRows)
        return m_far.insert(key).second;
    // The bits may have grown over a row marked on its own before.
    if (!m_far.empty() && m_far.contains(key))
        return false;
    if (marked < row)
        rows.resize(std::max<qsizetype>(row, 2 * marked));
    if (rows[row - 1])
        return false;
    rows[row - 1] = true;
    return true;
}

bool KeptCells::contains(qsizetype row, int column) const
{
    if (column < 1 || row < 1)
        return false;
    if (containsColumn(column))
        return true;
    if (column > int(m_near.size()))
        return false;
    const std::vector<bool>& rows = m_near[column - 1];
    if (row <= qsizetype(rows.size()) && rows[row - 1])
        return true;
    return !m_far.empty() && m_far.contains(farKey(row, column));
}

void KeptCells::markColumn(int column)
{
    if (int(m_whole.size()) < column)
        m_whole.resize(column);
    m_whole[column - 1] = true;
}

void KeptCells::clear()
{
    m_whole.clear();
    m_near.clear();
    m_far.clear();
}
