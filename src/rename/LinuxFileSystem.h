#pragma once

#include "rename/FileSystem.h"

#include <QByteArray>
#include <set>
#include <sys/types.h>

// The file system of a Linux system, reached with every name's exact bytes. Renames use renameat2
// with RENAME_NOREPLACE (a plain rename would silently replace the destination) and fall back to
// link and unlink where the file system does not know the flag. A copy is written under a
// temporary name beside its destination and takes its name only when complete.
class LinuxFileSystem final : public FileSystem
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
    FileOutcome copyThroughTemporary(int in, const struct stat& original, const QByteArray& source,
                                     const QByteArray& destination);

    // File systems found unable to rename without replacing: copies there are written under
    // their final names at once.
    std::set<dev_t> m_devicesWithoutSafeRename;
};
