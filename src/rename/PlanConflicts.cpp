#include "rename/PlanConflicts.h"

#include "rename/RowsByHash.h"

#include <QVarLengthArray>

#include <algorithm>

namespace PlanConflicts {

void refuseSharedDestinations(std::vector<RenameOperation>& operations)
{
    const qsizetype count = qsizetype(operations.size());
    const auto ready = [&](qsizetype i) { return operations[i].state == RenameOperation::State::Ready; };
    // The operations that would act, by the hash of their destination, gathered at once: only a
    // hash that several hold can stand for a shared destination.
    RowsByHash byDestination;
    qsizetype readyCount = 0;
    for (qsizetype i = 0; i < count; ++i)
        readyCount += qsizetype(ready(i));
    byDestination.reserveGathered(readyCount);
    for (qsizetype i = 0; i < count; ++i)
        if (ready(i))
            byDestination.gather(operations[i].destination.hash(), i);
    byDestination.seal();

    std::vector<qsizetype> shared;
    byDestination.forEachShared([&](const RowsByHash::Rows& rows) {
        // Different paths may share a hash: the rows are told apart by the first of each path.
        QVarLengthArray<qsizetype, 4> firsts;
        for (const qsizetype row : rows) {
            const SplitPath& destination = operations[row].destination;
            const auto first = std::ranges::find_if(
                firsts, [&](qsizetype other) { return operations[other].destination == destination; });
            if (first == firsts.end()) {
                firsts.append(row);
            } else {
                shared.push_back(*first);
                shared.push_back(row);
            }
        }
    });
    for (qsizetype i : shared) {
        operations[i].state = RenameOperation::State::Refused;
        operations[i].refusal = FileOutcome::Failure::DuplicateDestination;
    }
}

} // namespace PlanConflicts
