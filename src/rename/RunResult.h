#pragma once

#include "rename/FileOutcome.h"
#include "rename/FileStamp.h"
#include "rename/RenameOperation.h"

#include <QString>
#include <optional>
#include <vector>

// An operation that changed the disk, in the order it happened: enough to undo it.
struct CompletedOperation
{
    qsizetype row = 0;
    RenameOperation::Kind kind = RenameOperation::Kind::Rename;
    QString source;
    QString destination;
    // A copy's stamp right after it was made: an undo removes only a copy that still has it.
    std::optional<FileStamp> stamp;
};

// For an undo step that removes a file or a folder, the destination is empty.
struct FailedOperation
{
    qsizetype row = 0;
    RenameOperation::Kind kind = RenameOperation::Kind::Rename;
    QString source;
    QString destination;
    FileOutcome outcome;
};

// What one pass over the table did.
struct PhaseResult
{
    std::vector<CompletedOperation> completed;
    std::vector<FailedOperation> failures; // at most one per row, in the order of the rows
    qint64 unchanged = 0;                  // rows whose destination was their own source
    bool cancelled = false;
    qsizetype stoppedAtRow = 0; // the row the user's cancel came before

    qint64 done() const { return qint64(completed.size()); }
};

// What a whole run did: the distribution's pre-pass, the batch pass, the derivation pass.
struct RunResult
{
    PhaseResult prePass;
    PhaseResult batch;
    PhaseResult derivation;

    bool changedDisk() const
    {
        return !prePass.completed.empty() || !batch.completed.empty() || !derivation.completed.empty();
    }

    // Every operation that changed the disk, in the order it happened.
    std::vector<CompletedOperation> completed() const
    {
        std::vector<CompletedOperation> all = prePass.completed;
        all.insert(all.end(), batch.completed.begin(), batch.completed.end());
        all.insert(all.end(), derivation.completed.begin(), derivation.completed.end());
        return all;
    }
};
