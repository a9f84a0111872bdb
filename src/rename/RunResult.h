#pragma once

#include "rename/FileOutcome.h"
#include "rename/KeptStamp.h"
#include "rename/RenameOperation.h"
#include "rename/RenameSteps.h"

#include <QString>
#include <algorithm>
#include <vector>

// An operation that changed the disk, in the order it happened: enough to undo it.
struct CompletedOperation
{
    // What was done: a planned step (see RenameSteps), or a step of its own where the record
    // says more than the plan did, in a list that the phase's result keeps alive.
    const RenameOperation* step = nullptr;
    // The destination's stamp right after the step: an undo removes only a copy that still
    // has it, and moves back only the file that was renamed.
    KeptStamp stamp;

    qsizetype row() const { return step->row; }
    RenameOperation::Kind kind() const { return step->kind; }
    const SplitPath& source() const { return step->source; }
    const SplitPath& destination() const { return step->destination; }
};

// For an undo step that removes a file or a folder, the destination is empty.
struct FailedOperation
{
    qsizetype row = 0;
    RenameOperation::Kind kind = RenameOperation::Kind::Rename;
    SplitPath source;
    SplitPath destination;
    FileOutcome outcome;
};

// What one pass over the table did.
struct PhaseResult
{
    std::vector<CompletedOperation> completed;
    std::vector<FailedOperation> failures; // at most one per row, in the order of the rows
    // Files a failed cycle left under a temporary name (their rows are among the failures):
    // nothing the run counts as done, but an undo brings them back.
    std::vector<CompletedOperation> stranded;
    qint64 unchanged = 0; // rows whose destination was their own source
    bool cancelled = false;
    qsizetype stoppedAtRow = 0; // the row the user's cancel came before

    qint64 done() const { return qint64(completed.size()); }
    // Notes step i of the list as carried out, or as left under a temporary name; the result
    // keeps the list alive as long as it refers to its steps.
    void complete(const RenameSteps& steps, qsizetype i, KeptStamp stamp = {})
    {
        completed.push_back({keep(steps, i), stamp});
    }
    void strand(const RenameSteps& steps, qsizetype i, KeptStamp stamp)
    {
        stranded.push_back({keep(steps, i), stamp});
    }
    // Takes over what another result carried out, after what this one did.
    void takeCompleted(PhaseResult&& other)
    {
        completed.insert(completed.end(), other.completed.begin(), other.completed.end());
        m_lists.insert(m_lists.end(), other.m_lists.begin(), other.m_lists.end());
        other.completed.clear();
    }
    // The failures in the order of their rows; those of one row keep theirs.
    void sortFailuresByRow()
    {
        std::stable_sort(failures.begin(), failures.end(),
                         [](const FailedOperation& a, const FailedOperation& b) { return a.row < b.row; });
    }

private:
    const RenameOperation* keep(const RenameSteps& steps, qsizetype i)
    {
        // Steps come list after list: each is kept once.
        if (m_lists.empty() || !m_lists.back().isSameListAs(steps))
            m_lists.push_back(steps);
        return &steps[i];
    }

    std::vector<RenameSteps> m_lists; // the lists the entries above point into
};

// What a whole run did: the distribution's pre-pass, the batch pass, the derivation pass.
struct RunResult
{
    PhaseResult prePass;
    PhaseResult batch;
    PhaseResult derivation;

    // The files and folders an undo would put back.
    qint64 changedFiles() const
    {
        qint64 count = 0;
        for (const PhaseResult* phase : {&prePass, &batch, &derivation})
            count += qint64(phase->completed.size() + phase->stranded.size());
        return count;
    }

    bool changedDisk() const { return changedFiles() > 0; }
};
