#include "rename/RenameExecutor.h"

#include "rename/ChainRenamer.h"
#include "rename/FileSystem.h"
#include "rename/RenamePlan.h"
#include "rename/RunObserver.h"
#include "rename/RunState.h"
#include "table/Sheet.h"

namespace {

FailedOperation failure(const RenameOperation& operation, FileOutcome outcome)
{
    return {operation.row, operation.kind, operation.source, operation.destination, std::move(outcome)};
}

} // namespace

RenameExecutor::RenameExecutor(FileSystem& fileSystem, RunObserver& observer)
    : m_fileSystem(fileSystem), m_observer(observer)
{
}

PhaseResult RenameExecutor::createFolders(const RenameSteps& steps, RunState& run)
{
    PhaseResult result;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const RenameOperation& step = steps[i];
        FileOutcome outcome;
        if (step.state == RenameOperation::State::Refused) {
            outcome = step.refusalOutcome();
        } else if (auto known = run.folders.constFind(step.destination); known != run.folders.cend()) {
            outcome = *known;
        } else if (const QString folder = step.destination.joined(); !m_fileSystem.exists(folder)) {
            outcome = m_fileSystem.createFolder(folder);
            if (outcome.ok())
                result.complete(steps, i);
        } else if (!m_fileSystem.isFolder(folder)) {
            // A file of that name is no folder to copy into.
            outcome = FileOutcome::failed(FileOutcome::Failure::NotAFolder);
        }
        run.folders.insert(step.destination, outcome);
        if (!outcome.ok())
            result.failures.push_back(failure(step, std::move(outcome)));
    }
    return result;
}

PhaseResult RenameExecutor::carryOut(const RenameSteps& operations, RunState& run)
{
    PhaseResult result;
    for (qsizetype i = 0; i < operations.size(); ++i) {
        const RenameOperation& operation = operations[i];
        m_observer.rowReached(Sheet::dataIndexOf(operation.row));
        if (operation.state == RenameOperation::State::Refused) {
            result.failures.push_back(failure(operation, operation.refusalOutcome()));
            continue;
        }
        if (operation.state == RenameOperation::State::Unchanged) {
            ++result.unchanged;
            continue;
        }
        // A row whose folder the pre-pass could not provide has its failure told there.
        if (const QString& folder = operation.folder.folder();
            !folder.isEmpty() && !run.folders.value(folder).ok())
            continue;
        if (operation.warnFolderForm && !run.folderFormAccepted) {
            if (!m_observer.acceptFolderForm()) {
                result.cancelled = true;
                result.stoppedAtRow = operation.row;
                return result;
            }
            run.folderFormAccepted = true;
        }
        Q_ASSERT(operation.kind == RenameOperation::Kind::Copy);
        FileOutcome outcome = copy(operation, run);
        if (outcome.ok())
            result.complete(operations, i, m_fileSystem.stamp(operation.destination.joined()));
        else
            result.failures.push_back(failure(operation, std::move(outcome)));
    }
    return result;
}

PhaseResult RenameExecutor::renameInPlace(const RenameSteps& renames, const RenameChains& chains)
{
    return ChainRenamer(m_fileSystem, m_observer, renames).run(chains);
}

FileOutcome RenameExecutor::copy(const RenameOperation& operation, RunState& run)
{
    // A copy can write into another row's source only where no file was: that row's source
    // was missing before the run, and it must not read the copy instead.
    if (run.written.contains(operation.source))
        return FileOutcome::failed(FileOutcome::Failure::SourceMissing);
    FileOutcome outcome =
        m_fileSystem.copyExclusive(operation.source.joined(), operation.destination.joined());
    if (outcome.ok())
        run.written.insert(operation.destination);
    return outcome;
}

PhaseResult RenameExecutor::carryOutBatch(const RenamePlan& plan, RunState& run)
{
    return plan.batchRenamesInPlace ? renameInPlace(plan.batch, plan.batchChains) : carryOut(plan.batch, run);
}
