#include "MemoryFileSystem.h"

#include <algorithm>

namespace {

QString normalised(QString path)
{
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString parentOf(const QString& path)
{
    const QString p = normalised(path);
    const qsizetype slash = p.lastIndexOf(u'/');
    return slash <= 0 ? QStringLiteral("/") : p.left(slash);
}

} // namespace

FileOutcome MemoryFileSystem::check(const QString& source, const QString& destination) const
{
    using Failure = FileOutcome::Failure;
    if (auto injected = failures.constFind(destination); injected != failures.cend())
        return FileOutcome::failed(*injected, QStringLiteral("injected"));
    if (!files.contains(source))
        return FileOutcome::failed(Failure::SourceMissing);
    if (!folders.contains(parentOf(destination)))
        return FileOutcome::failed(Failure::FolderMissing);
    if (files.contains(destination) || folders.contains(normalised(destination)))
        return FileOutcome::failed(Failure::DestinationExists);
    return FileOutcome::success();
}

std::optional<FileOutcome::Failure> MemoryFileSystem::injectedRenameFailure(const QString& source,
                                                                            const QString& destination)
{
    for (const QPair<QString, QString>& key :
         {qMakePair(source, destination), qMakePair(source, QString()), qMakePair(QString(), destination)}) {
        if (renameFailures.contains(key))
            return renameFailures.take(key);
    }
    return std::nullopt;
}

FileOutcome MemoryFileSystem::renameNoReplace(const QString& source, const QString& destination)
{
    calls << QStringLiteral("rename %1 %2").arg(source, destination);
    if (const auto injected = injectedRenameFailure(source, destination))
        return FileOutcome::failed(*injected, QStringLiteral("injected"));
    FileOutcome outcome = check(source, destination);
    if (outcome.ok())
        files.insert(destination, files.take(source));
    return outcome;
}

FileOutcome MemoryFileSystem::copyExclusive(const QString& source, const QString& destination)
{
    calls << QStringLiteral("copy %1 %2").arg(source, destination);
    FileOutcome outcome = check(source, destination);
    if (outcome.ok())
        files.insert(destination, files.value(source));
    return outcome;
}

FileOutcome MemoryFileSystem::createFolder(const QString& path)
{
    calls << QStringLiteral("mkdir %1").arg(path);
    if (auto injected = failures.constFind(path); injected != failures.cend())
        return FileOutcome::failed(*injected, QStringLiteral("injected"));
    if (exists(path))
        return FileOutcome::failed(FileOutcome::Failure::DestinationExists);
    if (!folders.contains(parentOf(path)))
        return FileOutcome::failed(FileOutcome::Failure::FolderMissing);
    folders.insert(normalised(path));
    return FileOutcome::success();
}

bool MemoryFileSystem::exists(const QString& path)
{
    return files.contains(normalised(path)) || folders.contains(normalised(path));
}

bool MemoryFileSystem::isFolder(const QString& path)
{
    return folders.contains(normalised(path));
}

std::optional<FileStamp> MemoryFileSystem::stamp(const QString& path)
{
    const QString p = normalised(path);
    if (folders.contains(p))
        return FileStamp{.size = 0, .modifiedNs = -1};
    const auto file = files.constFind(p);
    if (file == files.cend())
        return std::nullopt;
    return FileStamp{.size = file->size(), .modifiedNs = qint64(qHash(*file))};
}

FileOutcome MemoryFileSystem::removeFile(const QString& path)
{
    calls << QStringLiteral("unlink %1").arg(path);
    if (auto injected = failures.constFind(path); injected != failures.cend())
        return FileOutcome::failed(*injected, QStringLiteral("injected"));
    return files.remove(path) > 0 ? FileOutcome::success() : FileOutcome::failed(FileOutcome::Failure::Gone);
}

FileOutcome MemoryFileSystem::removeEmptyFolder(const QString& path)
{
    calls << QStringLiteral("rmdir %1").arg(path);
    const QString folder = normalised(path);
    if (!folders.contains(folder))
        return FileOutcome::failed(FileOutcome::Failure::Gone);
    const auto inside = [&](const QString& entry) { return parentOf(entry) == folder; };
    if (std::any_of(files.keyBegin(), files.keyEnd(), inside) ||
        std::any_of(folders.cbegin(), folders.cend(), inside))
        return FileOutcome::failed(FileOutcome::Failure::FolderNotEmpty);
    folders.remove(folder);
    return FileOutcome::success();
}
