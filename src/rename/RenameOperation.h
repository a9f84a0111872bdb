#pragma once

#include "rename/FileOutcome.h"
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
    qsizetype row = 0;
    Kind kind = Kind::Rename;
    State state = State::Ready;
    FileOutcome::Failure refusal = FileOutcome::Failure::None;
    // A distribution folder written with a trailing separator: the user is warned first.
    bool warnFolderForm = false;
    // For CreateFolder: the row's file, so that a failure names what could not be placed.
    SplitPath source;
    // For CreateFolder: the folder.
    SplitPath destination;
    QString refusalDetail = {}; // what the refusal's reason names, such as the error value
    // A distribution copy: the folder it goes into, which the pre-pass has to provide.
    QString folder;
};
