#pragma once

#include "rename/RenameSteps.h"
#include "rename/RunResult.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

class FileSystem;
class RenameChains;
class RunObserver;

// Carries out renames in place in the order of their chains. A chain or a cycle is all or
// nothing: when one of its renames fails, the files it already moved go back to their old
// names (never replacing anything) and its rows fail with it; the other groups go on. A file
// that is not there fails alone: its name is free, so the rest of its chain still runs. No
// temporary name outlives its cycle unless every way back is refused, and then the row says
// where the file is. One renamer does one run, over the renames it is made with.
class ChainRenamer
{
public:
    ChainRenamer(FileSystem& fileSystem, RunObserver& observer, RenameSteps renames);

    // chains: the order of the renames. Failures come back in the order of the rows; completed
    // renames in the order they ran.
    PhaseResult run(const RenameChains& chains);

private:
    // The first rename of a cycle while its file waits under a temporary name.
    struct Parked
    {
        qsizetype index;
        QString temporary;
    };

    void runGroup(std::span<const qsizetype> members, bool cycle);
    FileOutcome park(const RenameOperation& rename, QString& temporary);
    // Moves the group's files back, newest first. parkedFailure is the parked rename's own
    // failure when that is what ended the group.
    void putBack(const std::optional<Parked>& parked, const FileOutcome& parkedFailure);
    void giveUp(std::span<const qsizetype> members);
    void step();
    void complete(qsizetype index);
    void fail(qsizetype index, FileOutcome outcome);

    FileSystem& m_fileSystem;
    RunObserver& m_observer;
    const RenameSteps m_renames;
    PhaseResult m_result;
    qint64 m_reached = 0;
    std::vector<qsizetype> m_moved; // the current group's renames that moved their file
};
