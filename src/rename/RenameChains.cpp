#include "rename/RenameChains.h"

#include "rename/PlanConflicts.h"
#include "rename/RowsByHash.h"

#include <algorithm>

namespace {

using Failure = FileOutcome::Failure;
using State = RenameOperation::State;

// How the rows of the batch use one file.
struct SourceUse
{
    bool shared = false; // more than one row names it
    bool moved = false;  // at least one of them would give it another name
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

    // The renames that claim a file, by the hash of its path, all gathered at once: the first
    // of a file is the lowest index among those whose source is that path.
    RowsByHash files;
    std::vector<size_t> sourceHashes(count);
    qsizetype claiming = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (claimsItsFile(renames[i])) {
            sourceHashes[i] = renames[i].source.hash();
            ++claiming;
        }
    }
    files.reserveGathered(claiming);
    for (qsizetype i = 0; i < count; ++i)
        if (claimsItsFile(renames[i]))
            files.gather(sourceHashes[i], i);
    files.seal();
    const auto firstWith = [&](const SplitPath& path, size_t hash) {
        return files.find(hash, [&](qsizetype j) { return renames[j].source == path; });
    };
    // Each rename's first.
    std::vector<qint32> firstOfFile(count, -1);
    std::vector<SourceUse> uses(count);
    bool anyShared = false;
    for (qsizetype i = 0; i < count; ++i) {
        const RenameOperation& rename = renames[i];
        if (!claimsItsFile(rename))
            continue;
        const qint32 first = firstOfFile[i] = qint32(firstWith(rename.source, sourceHashes[i]));
        if (first != i) {
            uses[first].shared = true;
            anyShared = true;
        }
        uses[first].moved = uses[first].moved || rename.state != State::Unchanged;
    }
    std::vector<size_t>().swap(sourceHashes);
    // The same file collected twice with two new names: neither row picks its name.
    if (anyShared) {
        for (qsizetype i = 0; i < count; ++i) {
            RenameOperation& rename = renames[i];
            if (rename.state == State::Refused)
                continue;
            const SourceUse& use = uses[firstOfFile[i]];
            if (use.shared && use.moved) {
                rename.state = State::Refused;
                rename.refusal = Failure::DuplicateSource;
            }
        }
    }

    // next[i]: the rename that has to move its file away before rename i finds its new name free.
    std::vector<qint32> next(count, -1);
    std::vector<bool> awaited(count, false);
    qsizetype ready = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (renames[i].state != State::Ready)
            continue;
        ++ready;
        const SplitPath& destination = renames[i].destination;
        const qsizetype holder = firstWith(destination, destination.hash());
        if (holder >= 0 && renames[holder].state == State::Ready) {
            next[i] = qint32(holder);
            awaited[holder] = true;
        }
    }

    RenameChains chains;
    chains.m_order.reserve(ready);
    // Most renames are a group of their own.
    chains.m_groups.reserve(ready);
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

void RenameChains::addChain(const std::vector<qint32>& next, qsizetype start)
{
    // The end of the chain, whose new name nobody in the batch holds, runs first.
    const qsizetype begin = qsizetype(m_order.size());
    for (qsizetype i = start; i >= 0; i = next[i])
        m_order.push_back(i);
    std::reverse(m_order.begin() + begin, m_order.end());
    m_groups.push_back({qint32(begin), qint32(m_order.size()), false});
}

void RenameChains::addCycle(const std::vector<qint32>& next, qsizetype start)
{
    // start steps aside; then the one whose new name is start's old name, and so on backwards.
    const qsizetype begin = qsizetype(m_order.size());
    m_order.push_back(start);
    for (qsizetype i = next[start]; i != start; i = next[i])
        m_order.push_back(i);
    std::reverse(m_order.begin() + begin + 1, m_order.end());
    m_groups.push_back({qint32(begin), qint32(m_order.size()), true});
}
