#pragma once

#include "rename/FileSystem.h"

#include <QHash>
#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>

// A file system in memory with the real one's refusals (no replacing, a parent folder must
// exist, only an empty folder is removed), where any operation can be made to fail by naming
// its destination, or one rename by naming both its paths. A file's content stands in for its
// modification time in its stamp.
class MemoryFileSystem final : public FileSystem
{
public:
    QMap<QString, QByteArray> files;               // path -> content
    QSet<QString> folders;                         // paths without a trailing "/"
    QHash<QString, FileOutcome::Failure> failures; // destination -> the failure it meets
    // (source, destination) -> the failure the next such rename meets, once, as a file locked
    // for a moment would; an empty path stands for any.
    QHash<QPair<QString, QString>, FileOutcome::Failure> renameFailures;
    QStringList calls; // "rename a b", "copy a b", "mkdir f", "unlink f", "rmdir f"

    FileOutcome renameNoReplace(const QString& source, const QString& destination) override;
    FileOutcome copyExclusive(const QString& source, const QString& destination) override;
    FileOutcome createFolder(const QString& path) override;
    bool exists(const QString& path) override;
    bool isFolder(const QString& path) override;
    std::optional<FileStamp> stamp(const QString& path) override;
    FileOutcome removeFile(const QString& path) override;
    FileOutcome removeEmptyFolder(const QString& path) override;

private:
    std::optional<FileOutcome::Failure> injectedRenameFailure(const QString& source,
                                                              const QString& destination);
    FileOutcome check(const QString& source, const QString& destination) const;
};
