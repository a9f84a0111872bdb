#include "rename/RenameChains.h"

#include "rename/PlanConflicts.h"

#include <QHash>

#include <algorithm>

namespace {

using Failure = FileOutcome::Failure;
using State = RenameOperation::State;

// How the rows of the batch use one file.
struct SourceUse
{
    qsizetype index = -1; // the first rename of that file
    bool shared = false;  // more than one row names it
    bool moved = false;   // at least one of them would give it another name
};

// A row that would act but for another row asking for the same new name still claims its file.
bool claimsItsFile(const RenameOperation& rename)
{
    return rename.state != State::Refused || rename.refusal == Failure::DuplicateDestination;
}

} // namespace

RenameChains RenameChains::plan(std::vector<RenameOperation>& renames)
{
    PlanConflicts::refuseSharedDestinations(renames);
    const qsizetype count = qsizetype(renames.size());

    QHash<SplitPath, SourceUse> sources;
    sources.reserve(count);
    bool anyShared = false;
    for (qsizetype i = 0; i < count; ++i) {
        const RenameOperation& rename = renames[i];
        if (!claimsItsFile(rename))
            continue;
        SourceUse& use = sources[rename.source];
        if (use.index < 0) {
            use.index = i;
        } else {
            use.shared = true;
            anyShared = true;
        }
        use.moved = use.moved || rename.state != State::Unchanged;
    }
    // The same file collected twice with two new names: neither row picks its name.
    if (anyShared) {
        for (RenameOperation& rename : renames) {
            if (rename.state == State::Refused)
                continue;
            const SourceUse& use = *sources.constFind(rename.source);
            if (use.shared && use.moved) {
                rename.state = State::Refused;
                rename.refusal = Failure::DuplicateSource;
            }
        }
    }

    // next[i]: the rename that has to move its file away before rename i finds its new name free.
    std::vector<qsizetype> next(count, -1);
    std::vector<bool> awaited(count, false);
    for (qsizetype i = 0; i < count; ++i) {
        if (renames[i].state != State::Ready)
            continue;
        const auto holder = sources.constFind(renames[i].destination);
        if (holder != sources.cend() && renames[holder->index].state == State::Ready) {
            next[i] = holder->index;
            awaited[holder->index] = true;
        }
    }

    RenameChains chains;
    chains.m_order.reserve(count);
    // A chain starts at a rename no other one waits for; whatever is left waits in a circle.
    for (qsizetype i = 0; i < count; ++i) {
        if (renames[i].state == State::Ready && !awaited[i])
            chains.addChain(next, i);
    }
    std::vector<bool> placed(count, false);
    for (qsizetype i : chains.m_order)
        placed[i] = true;
    for (qsizetype i = 0; i < count; ++i) {
        if (renames[i].state == State::Ready && !placed[i]) {
            const qsizetype begin = qsizetype(chains.m_order.size());
            chains.addCycle(next, i);
            for (qsizetype k = begin; k < qsizetype(chains.m_order.size()); ++k)
                placed[chains.m_order[k]] = true;
        }
    }
    return chains;
}

void RenameChains::addChain(const std::vector<qsizetype>& next, qsizetype start)
{
    // The end of the chain, whose new name nobody in the batch holds, runs first.
    const qsizetype begin = qsizetype(m_order.size());
    for (qsizetype i = start; i >= 0; i = next[i])
        m_order.push_back(i);
    std::reverse(m_order.begin() + begin, m_order.end());
    m_groups.push_back({begin, qsizetype(m_order.size()), false});
}

void RenameChains::addCycle(const std::vector<qsizetype>& next, qsizetype start)
{
    // start steps aside; then the one whose new name is start's old name, and so on backwards.
    const qsizetype begin = qsizetype(m_order.size());
    m_order.push_back(start);
    for (qsizetype i = next[start]; i != start; i = next[i])
        m_order.push_back(i);
    std::reverse(m_order.begin() + begin + 1, m_order.end());
    m_groups.push_back({begin, qsizetype(m_order.size()), true});
}
