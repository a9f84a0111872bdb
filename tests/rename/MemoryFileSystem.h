#pragma once

#include "rename/FileSystem.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringList>

// A file system in memory with the real one's refusals (no replacing, a parent folder must
// exist), where any operation can be made to fail by naming its destination.
class MemoryFileSystem final : public FileSystem
{
public:
    QMap<QString, QByteArray> files;               // path -> content
    QSet<QString> folders;                         // paths without a trailing "/"
    QHash<QString, FileOutcome::Failure> failures; // destination -> the failure it meets
    QStringList calls;                             // "rename a b", "copy a b", "mkdir f"

    FileOutcome renameNoReplace(const QString& source, const QString& destination) override;
    FileOutcome copyExclusive(const QString& source, const QString& destination) override;
    FileOutcome createFolder(const QString& path) override;
    bool exists(const QString& path) override;
    bool isFolder(const QString& path) override;

private:
    FileOutcome check(const QString& source, const QString& destination) const;
};
