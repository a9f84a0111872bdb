#pragma once

#include <QHash>
#include <QList>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>
#include <limits>
#include <vector>

// Rows by a 64-bit hash of a path they hold. Almost every hash is held by one row.
// Rows gathered all at once are kept sorted by hash, the hashes in one array and the rows beside
// them in another (12 bytes a row): a million of them are put in place and looked through in
// order, where a hash table would miss the cache for each row.
// Rows added one by one go to a table beside it, which a lookup reads as well.
class RowsByHash
{
public:
    using Rows = QVarLengthArray<qsizetype, 4>;

    void reserve(qsizetype count) { m_first.reserve(count); }
    void clear();
    // Room for that many rows taken in bulk: grown by doubling instead, a million of them would
    // leave room for up to a million more.
    void reserveGathered(qsizetype count)
    {
        m_hashes.reserve(size_t(count));
        m_rows.reserve(size_t(count));
    }
    // Rows taken in bulk straight to their places, without the second array seal() takes: for
    // the count rows, count(hash) for each, then startPlacing() and place(hash, row) for each,
    // then seal(). Nothing may be looked up until it is done.
    void startCounting(qsizetype count);
    void count(size_t hash) { ++m_starts[bucketOf(hash) + 1]; }
    void startPlacing();
    void place(size_t hash, qsizetype row)
    {
        const quint32 at = m_next[bucketOf(hash)]++;
        m_hashes[at] = hash;
        m_rows[at] = qint32(row);
    }
    // Takes a row in bulk; nothing may be looked up until seal() has put the rows in place.
    void gather(size_t hash, qsizetype row)
    {
        Q_ASSERT(row >= 0 && row <= std::numeric_limits<qint32>::max());
        m_hashes.push_back(hash);
        m_rows.push_back(qint32(row));
    }
    void seal();
    void add(size_t hash, qsizetype row);
    void remove(size_t hash, qsizetype row);
    // The rows holding the hash: the gathered ones by row, then those added one by one in the
    // order they came.
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
        const auto visitShared = [&](size_t hash) {
            if (const Rows rows = rowsOf(hash); rows.size() > 1)
                visit(rows);
        };
        for (size_t i = 0; i < m_hashes.size();) {
            const size_t hash = m_hashes[i];
            const size_t begin = i;
            while (i < m_hashes.size() && m_hashes[i] == hash)
                ++i;
            if (i - begin > 1 || m_first.contains(hash))
                visitShared(hash);
        }
        // Hashes gathered too, even if removed since, were seen above.
        for (auto it = m_first.cbegin(); it != m_first.cend(); ++it)
            if (!wasGathered(it.key()))
                visitShared(it.key());
    }

private:
    static constexpr qint32 Removed = -1;

    // The bucket of a hash among 2^m_bits by its top bits, as the hashes spread evenly.
    size_t bucketOf(size_t hash) const { return m_bits == 0 ? 0 : size_t(hash >> (64 - m_bits)); }
    static int bucketBitsFor(size_t count)
    {
        return count < 4096 ? 0 : std::min(20, int(std::bit_width(count / 8)));
    }
    // Sorts each bucket's entries by hash, then by row.
    void sortBuckets();

    // The places of the gathered entries of the hash, removed ones included.
    std::pair<size_t, size_t> sortedRange(size_t hash) const;
    bool wasGathered(size_t hash) const;
    void removeGathered(size_t hash, qsizetype row);
    // Once the rows added one by one outnumber half the gathered ones, all are put in place
    // again, so lookups stay cheap and removed entries do not pile up.
    void compactIfCrowded();

    // Sorted by hash, then by row; m_rows[i] is the row of m_hashes[i], Removed once it is.
    std::vector<size_t> m_hashes;
    std::vector<qint32> m_rows;
    // While the entries are put in place: where each bucket starts (one more, for the end), and
    // where its next entry goes.
    int m_bits = 0;
    std::vector<quint32> m_starts;
    std::vector<quint32> m_next;
    QHash<size_t, qsizetype> m_first;
    QHash<size_t, QList<qsizetype>> m_more; // never empty lists
};
