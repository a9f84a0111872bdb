#include "rename/RowsByHash.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <tuple>

void RowsByHash::clear()
{
    m_hashes.clear();
    m_rows.clear();
    m_starts = {};
    m_next = {};
    m_first.clear();
    m_more.clear();
}

void RowsByHash::startCounting(qsizetype count)
{
    m_hashes.assign(size_t(count), 0);
    m_rows.assign(size_t(count), 0);
    m_bits = bucketBitsFor(size_t(count));
    m_starts.assign((size_t(1) << m_bits) + 1, 0);
}

void RowsByHash::startPlacing()
{
    std::partial_sum(m_starts.begin(), m_starts.end(), m_starts.begin());
    m_next.assign(m_starts.begin(), m_starts.end() - 1);
}

void RowsByHash::seal()
{
    if (m_starts.empty()) {
        // Gathered one by one: one pass puts each entry among the few that share its top bits,
        // into arrays of their own. Moving the entries in place, by cycles, reads as well as
        // writes at random and took four times as long at a million entries.
        const size_t entries = m_hashes.size();
        m_bits = bucketBitsFor(entries);
        m_starts.assign((size_t(1) << m_bits) + 1, 0);
        for (const size_t hash : m_hashes)
            count(hash);
        startPlacing();
        std::vector<size_t> hashes;
        std::vector<qint32> rows;
        hashes.swap(m_hashes);
        rows.swap(m_rows);
        m_hashes.resize(entries);
        m_rows.resize(entries);
        for (size_t i = 0; i < entries; ++i)
            place(hashes[i], rows[i]);
    }
    sortBuckets();
    m_starts = {};
    m_next = {};
}

void RowsByHash::sortBuckets()
{
    // Hashes spread evenly over their range: the few entries of a bucket are sorted in the cache.
    std::vector<std::pair<size_t, qint32>> pairs;
    for (size_t bucket = 0; bucket + 1 < m_starts.size(); ++bucket) {
        pairs.clear();
        for (size_t i = m_starts[bucket]; i < m_starts[bucket + 1]; ++i)
            pairs.emplace_back(m_hashes[i], m_rows[i]);
        std::sort(pairs.begin(), pairs.end());
        for (size_t i = m_starts[bucket]; i < m_starts[bucket + 1]; ++i)
            std::tie(m_hashes[i], m_rows[i]) = pairs[i - m_starts[bucket]];
    }
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
    const size_t begin =
        size_t(std::lower_bound(m_hashes.cbegin() + low, m_hashes.cbegin() + high, hash) - m_hashes.cbegin());
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
