#pragma once

#include "rename/FileOutcome.h"
#include "rename/RunResult.h"

#include <QHash>
#include <vector>

class FileSystem;
class RunObserver;

// Carries a plan out through a file system. A failing operation is recorded for its row and
// the pass goes on with the next; only the user's cancel stops a pass early.
class RenameExecutor
{
public:
    RenameExecutor(FileSystem& fileSystem, RunObserver& observer);

    // The distribution's pre-pass: every row's folder, created when it is not there yet.
    PhaseResult createFolders(const std::vector<RenameOperation>& steps);
    // Renames and copies, in the plan's order.
    PhaseResult carryOut(const std::vector<RenameOperation>& operations);

private:
    FileSystem& m_fileSystem;
    RunObserver& m_observer;
    // How each distribution folder fared in the pre-pass; its rows' failures are told there.
    QHash<QString, FileOutcome> m_folders;
    bool m_folderFormAccepted = false;
};
