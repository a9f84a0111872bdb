#include "collect/WidestEntries.h"

#include "base/TextWidth.h"
#include "collect/CollectedFiles.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

// The widest of size entries, by the cells cellsOf gives each.
template <typename CellsOf> QList<qsizetype> widestOf(qsizetype size, qsizetype count, CellsOf cellsOf)
{
    using Candidate = std::pair<int, qsizetype>; // cells, index
    // A min-heap of the widest seen so far: its top is the narrowest that still qualifies.
    std::vector<Candidate> heap;
    const auto wider = std::greater<Candidate>();
    for (qsizetype i = 0; i < size && count > 0; ++i) {
        const Candidate candidate{cellsOf(i), i};
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

} // namespace

QList<qsizetype> widestEntries(const CollectedFiles& files, qsizetype count)
{
    // A folder's files lie side by side: its cells are counted when the first of them comes.
    const QString* folder = nullptr;
    int folderCells = 0;
    return widestOf(files.size(), count, [&](qsizetype i) {
        if (&files.folder(i) != folder) {
            folder = &files.folder(i);
            folderCells = displayCells(*folder);
        }
        return folderCells + displayCells(files.base(i)) + displayCells(files.extension(i));
    });
}
