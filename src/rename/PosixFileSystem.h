#pragma once

#include "rename/FileSystem.h"

#include <QByteArray>

// The file system of a POSIX system. Renames use renameat2 with RENAME_NOREPLACE (a plain
// rename would silently replace the destination) and fall back to link and unlink where the
// file system does not know the flag; copies create their destination exclusively.
class PosixFileSystem final : public FileSystem
{
public:
    FileOutcome renameNoReplace(const QString& source, const QString& destination) override;
    FileOutcome copyExclusive(const QString& source, const QString& destination) override;
    FileOutcome createFolder(const QString& path) override;
    bool exists(const QString& path) override;
    bool isFolder(const QString& path) override;
    std::optional<FileStamp> stamp(const QString& path) override;
    FileOutcome removeFile(const QString& path) override;
    FileOutcome removeEmptyFolder(const QString& path) override;

    // The outcome for a failed call's errno; a missing path is told apart by whether the
    // source is there.
    static FileOutcome outcomeFor(int error, const QByteArray& source);

private:
    static FileOutcome renameThroughTemporary(const QByteArray& source, const QByteArray& destination);
};
