#include "rename/PlanConflicts.h"

#include <QHash>

namespace PlanConflicts {

void refuseSharedDestinations(std::vector<RenameOperation>& operations)
{
    const qsizetype count = qsizetype(operations.size());
    // One more than the index of the first operation with that destination.
    QHash<SplitPath, qsizetype> firstWith;
    firstWith.reserve(count);
    std::vector<qsizetype> shared;
    for (qsizetype i = 0; i < count; ++i) {
        if (operations[i].state != RenameOperation::State::Ready)
            continue;
        qsizetype& first = firstWith[operations[i].destination];
        if (first == 0) {
            first = i + 1;
        } else {
            shared.push_back(first - 1);
            shared.push_back(i);
        }
    }
    for (qsizetype i : shared) {
        operations[i].state = RenameOperation::State::Refused;
        operations[i].refusal = FileOutcome::Failure::DuplicateDestination;
    }
}

} // namespace PlanConflicts
