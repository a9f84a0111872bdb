#pragma once

#include "rename/RunResult.h"

#include <vector>

class FileSystem;
class Progress;

// Puts back what a run did, newest first: copies and derived files are removed while they
// are still exactly what the run wrote, renamed files get their old names back (chains and
// cycles run as the run runs them, never replacing a file; a file a failed cycle left under a
// temporary name too), and folders the run created are removed while they are empty. A name
// that another file holds now is left alone. Whatever cannot be put back stays as it is and is reported.
class RunUndo
{
public:
    RunUndo(FileSystem& fileSystem, Progress& progress);

    // completed: the steps undone; failures: what was left as it is, in the order of the rows.
    // A removal names the file or folder as its source and has no destination.
    PhaseResult undo(const RunResult& run);

private:
    void undoPhase(const PhaseResult& phase);
    bool isStillTheRenamedFile(const CompletedOperation& rename);
    void removeCopy(const CompletedOperation& copy);
    void removeFolder(const CompletedOperation& folder);
    void renameBack(std::vector<RenameOperation> renames);
    void note(const CompletedOperation& done, const FileOutcome& outcome);

    FileSystem& m_fileSystem;
    Progress& m_progress;
    PhaseResult m_result;
    qint64 m_reached = 0;
};
