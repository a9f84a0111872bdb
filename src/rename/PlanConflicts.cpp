#include "rename/PlanConflicts.h"

#include "rename/RowsByHash.h"

namespace PlanConflicts {

void refuseSharedDestinations(std::vector<RenameOperation>& operations)
{
    const qsizetype count = qsizetype(operations.size());
    // The first operation with each destination.
    RowsByHash firstWith;
    firstWith.reserve(count);
    std::vector<qsizetype> shared;
    for (qsizetype i = 0; i < count; ++i) {
        if (operations[i].state != RenameOperation::State::Ready)
            continue;
        const SplitPath& destination = operations[i].destination;
        const size_t hash = destination.hash();
        const qsizetype first =
            firstWith.find(hash, [&](qsizetype j) { return operations[j].destination == destination; });
        if (first < 0) {
            firstWith.add(hash, i);
        } else {
            shared.push_back(first);
            shared.push_back(i);
        }
    }
    for (qsizetype i : shared) {
        operations[i].state = RenameOperation::State::Refused;
        operations[i].refusal = FileOutcome::Failure::DuplicateDestination;
    }
}

} // namespace PlanConflicts
