#include "rename/ChainRenamer.h"

#include "base/NativeName.h"
#include "base/TemporaryNames.h"
#include "rename/FileSystem.h"
#include "rename/RenameChains.h"
#include "rename/RunObserver.h"

namespace {

using Failure = FileOutcome::Failure;

} // namespace

ChainRenamer::ChainRenamer(FileSystem& fileSystem, RunObserver& observer, RenameSteps renames)
    : m_fileSystem(fileSystem), m_observer(observer), m_renames(std::move(renames))
{
}

PhaseResult ChainRenamer::run(const RenameChains& chains)
{
    m_result.completed.reserve(m_renames.size());
    for (qsizetype i = 0; i < qsizetype(m_renames.size()); ++i) {
        const RenameOperation& rename = m_renames[i];
        if (rename.state == RenameOperation::State::Refused) {
            step();
            fail(i, rename.refusalOutcome());
        } else if (rename.state == RenameOperation::State::Unchanged) {
            step();
            ++m_result.unchanged;
        }
    }
    const std::span<const qsizetype> order(chains.order());
    for (const RenameChains::Group& group : chains.groups())
        runGroup(order.subspan(group.begin, group.end - group.begin), group.cycle);

    m_result.sortFailuresByRow();
    return std::move(m_result);
}

void ChainRenamer::runGroup(std::span<const qsizetype> members, bool cycle)
{
    m_moved.clear();
    std::span<const qsizetype> rest = members;
    std::optional<Parked> parked;
    if (cycle) {
        const qsizetype first = members.front();
        rest = members.subspan(1);
        step();
        QString temporary;
        const FileOutcome outcome = park(m_renames[first], temporary);
        if (outcome.ok()) {
            parked = Parked{first, temporary};
        } else {
            fail(first, outcome);
            // A file that is not there leaves its name free: the rest is a plain chain.
            if (outcome.failure != Failure::SourceMissing) {
                giveUp(rest);
                return;
            }
        }
    }
    for (qsizetype k = 0; k < qsizetype(rest.size()); ++k) {
        const qsizetype index = rest[k];
        const RenameOperation& rename = m_renames[index];
        step();
        const FileOutcome outcome =
            m_fileSystem.renameNoReplace(rename.source.joined(), rename.destination.joined());
        if (outcome.ok()) {
            m_moved.push_back(index);
            continue;
        }
        fail(index, outcome);
        if (outcome.failure == Failure::SourceMissing)
            continue;
        putBack(parked, FileOutcome::success());
        giveUp(rest.subspan(k + 1));
        return;
    }
    if (parked) {
        const FileOutcome outcome =
            m_fileSystem.renameNoReplace(parked->temporary, m_renames[parked->index].destination.joined());
        if (!outcome.ok()) {
            putBack(parked, outcome);
            return;
        }
        m_moved.push_back(parked->index);
    }
    for (qsizetype index : m_moved)
        complete(index);
}

FileOutcome ChainRenamer::park(const RenameOperation& rename, QString& temporary)
{
    // A random name in the same folder; the no-replace rename turns down the unlikely one
    // that is taken, and another is drawn.
    const QString folder = rename.source.folder();
    FileOutcome outcome;
    temporary = folder + TemporaryNames::tryFreshNames(TemporaryNames::parking, [&](const QString& name) {
                    outcome = m_fileSystem.renameNoReplace(rename.source.joined(), folder + name);
                    return outcome.failure == Failure::DestinationExists;
                });
    return outcome;
}

void ChainRenamer::putBack(const std::optional<Parked>& parked, const FileOutcome& parkedFailure)
{
    for (auto it = m_moved.rbegin(); it != m_moved.rend(); ++it) {
        const RenameOperation& rename = m_renames[*it];
        if (m_fileSystem.renameNoReplace(rename.destination.joined(), rename.source.joined()).ok())
            fail(*it, FileOutcome::failed(Failure::LinkedFailure));
        else
            complete(*it); // its old name is taken now: the file keeps the new one it asked for
    }
    if (!parked)
        return;
    const RenameOperation& first = m_renames[parked->index];
    if (m_fileSystem.renameNoReplace(parked->temporary, first.source.joined()).ok()) {
        fail(parked->index, parkedFailure.ok() ? FileOutcome::failed(Failure::LinkedFailure) : parkedFailure);
        return;
    }
    // Its old name is taken: its new one will do, unless that is what just failed.
    if (parkedFailure.ok() &&
        m_fileSystem.renameNoReplace(parked->temporary, first.destination.joined()).ok()) {
        complete(parked->index);
        return;
    }
    // Every way back is taken: the row says where the file is, and an undo brings it home.
    fail(parked->index,
         FileOutcome::failed(Failure::LeftUnderTemporary, NativeName::display(parked->temporary)));
    RenameOperation stranded = first;
    stranded.destination = parked->temporary;
    m_result.strand(RenameSteps({std::move(stranded)}), 0, m_fileSystem.stamp(parked->temporary));
}

void ChainRenamer::giveUp(std::span<const qsizetype> members)
{
    for (qsizetype index : members)
        fail(index, FileOutcome::failed(Failure::LinkedFailure));
    if (!members.empty()) {
        m_reached += qint64(members.size());
        m_observer.rowReached(m_reached);
    }
}

void ChainRenamer::step()
{
    m_observer.rowReached(++m_reached);
}

void ChainRenamer::complete(qsizetype index)
{
    // The file's identity, so that an undo moves back this file and no other.
    m_result.complete(m_renames, index, m_fileSystem.stamp(m_renames[index].destination.joined()));
}

void ChainRenamer::fail(qsizetype index, FileOutcome outcome)
{
    const RenameOperation& rename = m_renames[index];
    m_result.failures.push_back(
        {rename.row, rename.kind, rename.source, rename.destination, std::move(outcome)});
}
