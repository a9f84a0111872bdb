#pragma once

#include "rename/FileOutcome.h"
#include "rename/RenameSteps.h"
#include "rename/RunResult.h"

#include <vector>

class FileSystem;
struct RenamePlan;
class RenameChains;
class RunObserver;
struct RunState;

// Carries a plan out through a file system, one pass at a time; the passes of one run share
// its RunState. A failing operation is recorded for its row and the pass goes on with the next;
// only the user's cancel stops a pass early.
class RenameExecutor
{
public:
    RenameExecutor(FileSystem& fileSystem, RunObserver& observer);

    // The distribution's pre-pass: every row's folder, created when it is not there yet.
    PhaseResult createFolders(const RenameSteps& steps, RunState& run);
    // Copies, in the plan's order. A copy reads only what was on disk before the run: its
    // source is never a file the run itself wrote.
    PhaseResult carryOut(const RenameSteps& operations, RunState& run);
    // Renames in place, chain by chain.
    PhaseResult renameInPlace(const RenameSteps& renames, const RenameChains& chains);
    // The batch pass of a plan: its renames in place or its copies, whichever it holds.
    PhaseResult carryOutBatch(const RenamePlan& plan, RunState& run);

private:
    FileOutcome copy(const RenameOperation& operation, RunState& run);

    FileSystem& m_fileSystem;
    RunObserver& m_observer;
};
