#pragma once

#include "base/FileStamp.h"
#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <optional>

// What the file system keeps about a file, from one statx: its times, its size, and the stamp
// that tells whether facts read from it before still hold. Times are kept as milliseconds
// since the epoch, and only the one asked for is turned into local time.
struct FileStatus
{
    FileStamp stamp;
    qint64 modifiedMs = 0;
    qint64 accessedMs = 0;
    std::optional<qint64> createdMs; // where the file system keeps the time a file was made
    bool regular = false;            // a plain file, not a folder, pipe or device

    // The status of what name leads to (following symbolic links) in an open folder, or from
    // the current one for AT_FDCWD; nothing when there is nothing there or it cannot be looked at.
    static std::optional<FileStatus> of(int folder, const char* name);

    // modified, accessed and created in local time, and size; nothing for the facts of other
    // sources.
    std::optional<FactValue> value(FileFact fact) const;
};
