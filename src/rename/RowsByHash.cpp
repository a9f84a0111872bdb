#include "rename/RowsByHash.h"

#include <algorithm>
#include <bit>
#include <numeric>

void RowsByHash::clear()
{
    m_sorted.clear();
    m_first.clear();
    m_more.clear();
}

void RowsByHash::seal()
{
    const auto byHashThenRow = [](const Entry& a, const Entry& b) {
        return a.hash < b.hash || (a.hash == b.hash && a.row < b.row);
    };
    const size_t count = m_sorted.size();
    if (count < 4096) {
        std::ranges::sort(m_sorted, byHashThenRow);
        return;
    }
    // Hashes spread evenly over their range: each entry is moved among the few that share its
    // top bits, and only those few are sorted, in the cache. The entries are moved in place, for
    // a second array of a million would be the most a forecast ever holds.
    const int bits = std::min(20, int(std::bit_width(count / 8)));
    const auto bucketOf = [bits](size_t hash) { return size_t(hash >> (64 - bits)); };
    std::vector<quint32> starts((size_t(1) << bits) + 1, 0);
    for (const Entry& entry : m_sorted)
        ++starts[bucketOf(entry.hash) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    // next[b]: the first place of bucket b that does not hold one of its own entries yet.
    std::vector<quint32> next(starts.begin(), starts.end() - 1);
    for (size_t bucket = 0; bucket + 1 < starts.size(); ++bucket) {
        while (next[bucket] < starts[bucket + 1]) {
            // Each entry in hand goes to its bucket, taking up the one that was in its place.
            Entry inHand = m_sorted[next[bucket]];
            for (size_t home = bucketOf(inHand.hash); home != bucket; home = bucketOf(inHand.hash))
                std::swap(inHand, m_sorted[next[home]++]);
            m_sorted[next[bucket]++] = inHand;
        }
    }
    for (size_t bucket = 0; bucket + 1 < starts.size(); ++bucket)
        std::sort(m_sorted.begin() + starts[bucket], m_sorted.begin() + starts[bucket + 1], byHashThenRow);
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
    const auto found = std::find_if(begin, end, [row](const Entry& entry) { return entry.row == row; });
    if (found != end)
        m_sorted[size_t(found - m_sorted.cbegin())].row = Removed;
}

RowsByHash::Rows RowsByHash::rowsOf(size_t hash) const
{
    Rows rows;
    const auto [begin, end] = sortedRange(hash);
    for (auto it = begin; it != end; ++it)
        if (it->row != Removed)
            rows.append(it->row);
    const auto first = m_first.constFind(hash);
    if (first == m_first.cend())
        return rows;
    rows.append(*first);
    if (const auto more = m_more.constFind(hash); more != m_more.cend())
        rows.append(more->constData(), more->size());
    return rows;
}

std::pair<std::vector<RowsByHash::Entry>::const_iterator, std::vector<RowsByHash::Entry>::const_iterator>
RowsByHash::sortedRange(size_t hash) const
{
    const auto begin = std::ranges::lower_bound(m_sorted, hash, {}, &Entry::hash);
    auto end = begin;
    while (end != m_sorted.cend() && end->hash == hash)
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
    if (m_sorted.empty() || 2 * size_t(m_first.size()) <= m_sorted.size())
        return;
    std::erase_if(m_sorted, [](const Entry& entry) { return entry.row == Removed; });
    for (auto it = m_first.cbegin(); it != m_first.cend(); ++it) {
        m_sorted.push_back({it.key(), it.value()});
        if (const auto more = m_more.constFind(it.key()); more != m_more.cend())
            for (qsizetype row : *more)
                m_sorted.push_back({it.key(), row});
    }
    m_first.clear();
    m_more.clear();
    seal();
}
