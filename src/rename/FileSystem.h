#pragma once

#include "base/FileStamp.h"
#include "rename/FileOutcome.h"

#include <QString>
#include <optional>

// The few file-system operations a rename run and its undo need. None of them ever replaces
// an existing file: a run must not lose one, whatever the table says.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Gives the file its new name; fails, leaving both names as they were, when the new name
    // is taken. A change of case only (a.JPG to a.jpg) works also where names ignore case.
    virtual FileOutcome renameNoReplace(const QString& source, const QString& destination) = 0;
    // Copies into a file that must not exist yet; an existing one stays untouched.
    virtual FileOutcome copyExclusive(const QString& source, const QString& destination) = 0;
    // Creates one folder; its parent must exist.
    virtual FileOutcome createFolder(const QString& path) = 0;
    // A file or a folder of that name is there.
    virtual bool exists(const QString& path) = 0;
    virtual bool isFolder(const QString& path) = 0;

    // The stamp of the entry the name itself stands for (a symbolic link is not followed);
    // nothing when the name is not there.
    virtual std::optional<FileStamp> stamp(const QString& path) = 0;
    // Removes a file (never a folder); a name no longer there fails as Gone.
    virtual FileOutcome removeFile(const QString& path) = 0;
    // Removes a folder only while it is empty.
    virtual FileOutcome removeEmptyFolder(const QString& path) = 0;
};
