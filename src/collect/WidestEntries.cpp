#include "collect/WidestEntries.h"

#include "base/TextWidth.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

QList<qsizetype> widestEntries(const QStringList& entries, qsizetype count)
{
    using Candidate = std::pair<int, qsizetype>; // cells, index
    // A min-heap of the widest seen so far: its top is the narrowest that still qualifies.
    std::vector<Candidate> heap;
    const auto wider = std::greater<Candidate>();
    for (qsizetype i = 0; i < entries.size() && count > 0; ++i) {
        const Candidate candidate{displayCells(entries[i]), i};
        if (qsizetype(heap.size()) < count) {
            heap.push_back(candidate);
            std::push_heap(heap.begin(), heap.end(), wider);
        } else if (candidate.first > heap.front().first) {
            std::pop_heap(heap.begin(), heap.end(), wider);
            heap.back() = candidate;
            std::push_heap(heap.begin(), heap.end(), wider);
        }
    }
    std::sort_heap(heap.begin(), heap.end(), wider);
    QList<qsizetype> indexes;
    indexes.reserve(qsizetype(heap.size()));
    for (const Candidate& candidate : heap)
        indexes.append(candidate.second);
    return indexes;
}
