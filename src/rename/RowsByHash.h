#pragma once

#include <QHash>
#include <QList>
#include <QVarLengthArray>

// Rows by a 64-bit hash of a path they hold. Almost every hash is held by one row, which costs
// one small entry; the rows beyond the first of a hash are kept apart.
class RowsByHash
{
public:
    using Rows = QVarLengthArray<qsizetype, 4>;

    void reserve(qsizetype count) { m_first.reserve(count); }
    void clear();
    void add(size_t hash, qsizetype row);
    void remove(size_t hash, qsizetype row);
    // The rows holding the hash, in the order they were added.
    Rows rowsOf(size_t hash) const;

    // The first row under the hash for which same(row) holds; -1 when none does.
    template <typename Same> qsizetype find(size_t hash, Same&& same) const
    {
        for (qsizetype row : rowsOf(hash))
            if (same(row))
                return row;
        return -1;
    }

    // Calls visit(rows) for every hash that more than one row holds.
    template <typename Visit> void forEachShared(Visit&& visit) const
    {
        for (auto it = m_more.cbegin(); it != m_more.cend(); ++it)
            visit(rowsOf(it.key()));
    }

private:
    QHash<size_t, qsizetype> m_first;
    QHash<size_t, QList<qsizetype>> m_more; // never empty lists
};
