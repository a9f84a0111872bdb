#pragma once

#include "rename/FileOutcome.h"
#include "rename/RenameOperation.h"

#include <QString>
#include <vector>

// An operation that changed the disk, in the order it happened: enough to undo it.
struct CompletedOperation
{
    qsizetype row = 0;
    RenameOperation::Kind kind = RenameOperation::Kind::Rename;
    QString source;
    QString destination;
};

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
    std::vector<FailedOperation> failures; // at most one per row
    qint64 unchanged = 0;                  // rows whose destination was their own source
    bool cancelled = false;
    qsizetype stoppedAtRow = 0; // the row the user's cancel came before

    qint64 done() const { return qint64(completed.size()); }
};
