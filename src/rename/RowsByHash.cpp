#include "rename/RowsByHash.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <tuple>

void RowsByHash::clear()
{
    m_hashes.clear();
    m_rows.clear();
    m_first.clear();
    m_more.clear();
}

void RowsByHash::seal()
{
    const size_t count = m_hashes.size();
    // Sorts the entries of places [begin, end) by hash, then by row, through a list of pairs.
    std::vector<std::pair<size_t, qint32>> pairs;
    const auto sortPlaces = [&](size_t begin, size_t end) {
        pairs.clear();
        for (size_t i = begin; i < end; ++i)
            pairs.emplace_back(m_hashes[i], m_rows[i]);
        std::sort(pairs.begin(), pairs.end());
        for (size_t i = begin; i < end; ++i)
            std::tie(m_hashes[i], m_rows[i]) = pairs[i - begin];
    };
    if (count < 4096) {
        sortPlaces(0, count);
        return;
    }
    // Hashes spread evenly over their range: each entry is moved among the few that share its
    // top bits, and only those few are sorted, in the cache. The entries are moved in place, for
    // a second array of a million would be the most a forecast ever holds.
    const int bits = std::min(20, int(std::bit_width(count / 8)));
    const auto bucketOf = [bits](size_t hash) { return size_t(hash >> (64 - bits)); };
    std::vector<quint32> starts((size_t(1) << bits) + 1, 0);
    for (const size_t hash : m_hashes)
        ++starts[bucketOf(hash) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    // next[b]: the first place of bucket b that does not hold one of its own entries yet.
    std::vector<quint32> next(starts.begin(), starts.end() - 1);
    for (size_t bucket = 0; bucket + 1 < starts.size(); ++bucket) {
        while (next[bucket] < starts[bucket + 1]) {
            // Each entry in hand goes to its bucket, taking up the one that was in its place.
            size_t hash = m_hashes[next[bucket]];
            qint32 row = m_rows[next[bucket]];
            for (size_t home = bucketOf(hash); home != bucket; home = bucketOf(hash)) {
                const quint32 place = next[home]++;
                std::swap(hash, m_hashes[place]);
                std::swap(row, m_rows[place]);
            }
            m_hashes[next[bucket]] = hash;
            m_rows[next[bucket]++] = row;
        }
    }
    for (size_t bucket = 0; bucket + 1 < starts.size(); ++bucket)
        sortPlaces(starts[bucket], starts[bucket + 1]);
}

void RowsByHash::add(size_t hash, qsizetype row)
{
    auto first = m_first.find(hash);
    if (first == m_first.end())
        m_first.insert(hash, row);
    else
        m_more[hash].append(row);
    compactIfCrowded();
}

void RowsByHash::remove(size_t hash, qsizetype row)
{
    const auto first = m_first.find(hash);
    const auto more = m_more.find(hash); // none without a first
    if (first != m_first.end() && *first == row) {
        if (more == m_more.end()) {
            m_first.erase(first);
            return;
        }
        *first = more->takeFirst();
    } else if (more == m_more.end() || !more->removeOne(row)) {
        removeGathered(hash, row);
        return;
    }
    if (more->isEmpty())
        m_more.erase(more);
}

void RowsByHash::removeGathered(size_t hash, qsizetype row)
{
    const auto [begin, end] = sortedRange(hash);
    for (size_t i = begin; i < end; ++i) {
        if (m_rows[i] == row) {
            m_rows[i] = Removed;
            return;
        }
    }
}

RowsByHash::Rows RowsByHash::rowsOf(size_t hash) const
{
    Rows rows;
    const auto [begin, end] = sortedRange(hash);
    for (size_t i = begin; i < end; ++i)
        if (m_rows[i] != Removed)
            rows.append(m_rows[i]);
    const auto first = m_first.constFind(hash);
    if (first == m_first.cend())
        return rows;
    rows.append(*first);
    if (const auto more = m_more.constFind(hash); more != m_more.cend())
        rows.append(more->constData(), more->size());
    return rows;
}

std::pair<size_t, size_t> RowsByHash::sortedRange(size_t hash) const
{
    // Hashes spread evenly over their range, so one sits about where its value says among n of
    // them: the search brackets that place, widening the step until it does, and only then
    // halves, instead of halving from the whole array and missing the cache on every step.
    const size_t count = m_hashes.size();
    const size_t guess = size_t((unsigned __int128)hash * count >> 64);
    size_t low = guess;
    size_t high = guess;
    for (size_t step = 16; low > 0 && m_hashes[low - 1] >= hash; step *= 2)
        low = low > step ? low - step : 0;
    for (size_t step = 16; high < count && m_hashes[high] < hash; step *= 2)
        high = std::min(count, high + step);
    const size_t begin = size_t(std::lower_bound(m_hashes.cbegin() + low, m_hashes.cbegin() + high, hash) -
                                m_hashes.cbegin());
    size_t end = begin;
    while (end < m_hashes.size() && m_hashes[end] == hash)
        ++end;
    return {begin, end};
}

bool RowsByHash::wasGathered(size_t hash) const
{
    const auto [begin, end] = sortedRange(hash);
    return begin != end;
}

void RowsByHash::compactIfCrowded()
{
    if (m_hashes.empty() || 2 * size_t(m_first.size()) <= m_hashes.size())
        return;
    size_t kept = 0;
    for (size_t i = 0; i < m_hashes.size(); ++i) {
        if (m_rows[i] != Removed) {
            m_hashes[kept] = m_hashes[i];
            m_rows[kept++] = m_rows[i];
        }
    }
    m_hashes.resize(kept);
    m_rows.resize(kept);
    for (auto it = m_first.cbegin(); it != m_first.cend(); ++it) {
        gather(it.key(), it.value());
        if (const auto more = m_more.constFind(it.key()); more != m_more.cend())
            for (qsizetype row : *more)
                gather(it.key(), row);
    }
    m_first.clear();
    m_more.clear();
    seal();
}
