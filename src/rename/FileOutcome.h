#pragma once

#include "formula/FormulaError.h"

#include <QString>

// What became of one file-system operation: success, or why it failed in terms the user is told.
struct FileOutcome
{
    enum class Failure : quint8
    {
        None,
        DestinationExists,
        SourceMissing,
        FolderMissing,
        AccessDenied,
        IllegalName,
        NotFullPath,
        DuplicateDestination, // several rows of the batch ask for the same new name
        DuplicateSource,      // several rows of the batch move the same file
        LinkedFailure,        // another rename of its chain or cycle failed; this one was put back
        Modified,             // changed since the run wrote it: an undo keeps it
        FolderNotEmpty,       // holds files now: an undo keeps it
        Gone,                 // removed since the run
        Replaced,             // another file holds the name now: an undo leaves it alone
        FormulaError,         // a cell the row needs holds an error value: the message names it
        EmptyNewName,         // column C is empty: the run does not start at all
        LeftUnderTemporary,   // a cycle could not be put back: the message names where the file is
        NameTooLong,
        DiskFull,
        ReadOnlyFileSystem,
        NotAFolder,   // a file stands where a folder is needed
        NoSafeRename, // the file system can neither rename without replacing nor make hard links
        Other,        // the system's own message says why
    };

    Failure failure = Failure::None;
    QString systemMessage;

    static FileOutcome success() { return {}; }
    static FileOutcome failed(Failure failure, QString systemMessage = {});
    // A refusal for an error value in a row's cells names the error; any other failure holds
    // no message.
    static FileOutcome failed(Failure failure, FormulaError error);

    bool ok() const { return failure == Failure::None; }
    // The short reason shown in the summary and as the failed row's tooltip.
    QString reason() const;
};
