#include "rename/RunUndo.h"

#include "base/Progress.h"
#include "rename/ChainRenamer.h"
#include "rename/FileSystem.h"
#include "rename/RenameChains.h"
#include "rename/RunObserver.h"

static_assert(sizeof(CompletedOperation) == 32, "the record of a run keeps one a file");

namespace {

using Failure = FileOutcome::Failure;

// Moves the progress bar on while renames go back; there is nothing to ask.
class UndoObserver final : public RunObserver
{
public:
    UndoObserver(Progress& progress, qint64 offset) : m_progress(progress), m_offset(offset) {}

    void rowReached(qint64 index) override { m_progress.setValue(m_offset + index); }
    bool acceptFolderForm() override { return true; }

private:
    Progress& m_progress;
    qint64 m_offset;
};

RenameOperation renameBackOf(const CompletedOperation& rename)
{
    RenameOperation back;
    back.row = rename.row();
    back.kind = RenameOperation::Kind::Rename;
    back.source = rename.destination();
    back.destination = rename.source();
    return back;
}

// An undo step that removes what a step made: the file or folder is its source.
RenameOperation removalOf(const CompletedOperation& done)
{
    RenameOperation removal;
    removal.row = done.row();
    removal.kind = done.kind();
    removal.source = done.destination();
    return removal;
}

} // namespace

RunUndo::RunUndo(FileSystem& fileSystem, Progress& progress) : m_fileSystem(fileSystem), m_progress(progress)
{
}

PhaseResult RunUndo::undo(const RunResult& run)
{
    m_result = {};
    m_reached = 0;
    qint64 steps = 0;
    for (const PhaseResult* phase : {&run.derivation, &run.batch, &run.prePass})
        steps += qint64(phase->completed.size() + phase->stranded.size());
    m_progress.setMaximum(steps);
    undoPhase(run.derivation);
    undoPhase(run.batch);
    undoPhase(run.prePass);
    m_result.sortFailuresByRow();
    return std::move(m_result);
}

void RunUndo::undoPhase(const PhaseResult& phase)
{
    std::vector<RenameOperation> renames;
    for (auto it = phase.completed.rbegin(); it != phase.completed.rend(); ++it) {
        switch (it->kind()) {
        case RenameOperation::Kind::Copy:
            removeCopy(*it);
            break;
        case RenameOperation::Kind::CreateFolder:
            removeFolder(*it);
            break;
        case RenameOperation::Kind::Rename:
            if (isStillTheRenamedFile(*it))
                renames.push_back(renameBackOf(*it));
            break;
        }
    }
    for (const CompletedOperation& parked : phase.stranded) {
        if (isStillTheRenamedFile(parked))
            renames.push_back(renameBackOf(parked));
    }
    if (!renames.empty())
        renameBack(std::move(renames));
}

bool RunUndo::isStillTheRenamedFile(const CompletedOperation& rename)
{
    const std::optional<FileStamp> now =
        rename.stamp ? m_fileSystem.stamp(rename.destination().joined()) : std::nullopt;
    // A name nobody holds any more is for the rename back to report.
    if (!now || rename.stamp.isSameFile(*now))
        return true;
    note(rename, FileOutcome::failed(Failure::Replaced));
    return false;
}

void RunUndo::removeCopy(const CompletedOperation& copy)
{
    const std::optional<FileStamp> now = m_fileSystem.stamp(copy.destination().joined());
    FileOutcome outcome;
    if (!now)
        outcome = FileOutcome::failed(Failure::Gone);
    else if (!copy.stamp.matches(*now))
        outcome = FileOutcome::failed(Failure::Modified); // someone's work now, not the run's copy
    else
        outcome = m_fileSystem.removeFile(copy.destination().joined());
    note(copy, outcome);
}

void RunUndo::removeFolder(const CompletedOperation& folder)
{
    note(folder, m_fileSystem.removeEmptyFolder(folder.destination().joined()));
}

void RunUndo::renameBack(std::vector<RenameOperation> renames)
{
    // The way back is a batch of renames like any other: the old names may form chains and
    // cycles among themselves.
    const RenameChains chains = RenameChains::plan(renames);
    const qint64 count = qint64(renames.size());
    UndoObserver observer(m_progress, m_reached);
    PhaseResult back = ChainRenamer(m_fileSystem, observer, std::move(renames)).run(chains);
    m_reached += count;
    m_progress.setValue(m_reached);
    m_result.failures.insert(m_result.failures.end(), back.failures.begin(), back.failures.end());
    m_result.takeCompleted(std::move(back));
}

void RunUndo::note(const CompletedOperation& done, const FileOutcome& outcome)
{
    m_progress.setValue(++m_reached);
    RenameOperation removal = removalOf(done);
    if (outcome.ok())
        m_result.complete(RenameSteps({std::move(removal)}), 0);
    else
        m_result.failures.push_back({removal.row, removal.kind, removal.source, SplitPath(), outcome});
}
