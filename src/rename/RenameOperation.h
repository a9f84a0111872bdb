#pragma once

#include "rename/FileOutcome.h"
#include "rename/PathFrame.h"
#include "rename/SplitPath.h"

#include <QString>
#include <QtGlobal>

// One planned step of a run, for one row of the table.
struct RenameOperation
{
    enum class Kind : quint8
    {
        CreateFolder,
        Rename,
        Copy
    };
    enum class State : quint8
    {
        Ready,
        Unchanged, // the destination is the source itself: nothing to do
        Refused,   // the table asks for something the run will not do; see refusal
    };

    // A plan holds one of these for every row and pass: the small fields come first, packed.
    qint32 row = 0; // a worksheet's rows fit
    Kind kind = Kind::Rename;
    State state = State::Ready;
    FileOutcome::Failure refusal = FileOutcome::Failure::None;
    // A refusal for an error value in the row's cells: which one, as the reason names it.
    FormulaError refusedError : 7 = FormulaError::Value;
    // A distribution folder written with a trailing separator: the user is warned first.
    bool warnFolderForm : 1 = false;
    // For CreateFolder: the row's file, so that a failure names what could not be placed.
    SplitPath source;
    // For CreateFolder: the folder.
    SplitPath destination;
    // A distribution copy: the folder it goes into, which the pre-pass has to provide, as its
    // step's path gives it. Held as a frame without an extension: once for all the rows that
    // go into it, in a pointer's room instead of a text's.
    PathFrame folder;

    // Why the run refuses the step, as the row's failure tells it.
    FileOutcome refusalOutcome() const { return FileOutcome::failed(refusal, refusedError); }
};
