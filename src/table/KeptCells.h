#pragma once

#include <QtGlobal>
#include <unordered_set>
#include <vector>

// The cells a step of changes has kept already, so that each is kept once. Rows near the top of
// a column are marked a bit each; a row far below the others is marked on its own, so a step
// that touches the last row of every column costs those cells only; a column kept whole is
// marked once.
class KeptCells
{
public:
    // Marks the cell (1-based); false when it was marked already.
    bool mark(qsizetype row, int column);
    bool contains(qsizetype row, int column) const;
    // Marks every cell of the column, as when the column is kept whole.
    void markColumn(int column);
    bool containsColumn(int column) const
    {
        return column >= 1 && column <= int(m_whole.size()) && m_whole[column - 1];
    }
    void clear();

private:
    std::vector<std::vector<bool>> m_near; // by column
    std::vector<bool> m_whole;             // by column
    std::unordered_set<quint64> m_far;
};
