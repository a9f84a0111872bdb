#include "rename/PosixFileSystem.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

// What a name stands for; nothing when the name is not there. A symbolic link is itself.
std::optional<struct stat> entryAt(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return std::nullopt;
    return st;
}

// What a path leads to, following symbolic links.
std::optional<struct stat> targetOf(const QByteArray& path)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return std::nullopt;
    return st;
}

bool sameFile(const QByteArray& a, const QByteArray& b)
{
    const auto first = entryAt(a);
    const auto second = entryAt(b);
    return first && second && first->st_dev == second->st_dev && first->st_ino == second->st_ino;
}

// 0 or an errno; never replaces the destination.
int renameWithoutReplacing(const QByteArray& source, const QByteArray& destination)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // The file system (or the kernel) does not know the flag: a hard link also refuses an
    // existing name.
    if (::link(source.constData(), destination.constData()) != 0)
        return errno;
    if (::unlink(source.constData()) != 0) {
        const int error = errno;
        // Back to the one name the file had, as long as that name still holds it.
        if (sameFile(source, destination))
            ::unlink(destination.constData());
        return error;
    }
    return 0;
}

// Copies every byte of in to out; 0 or an errno. The kernel copies within itself where it
// can (and shares blocks on file systems that allow it); a plain read and write loop does the
// rest.
int copyContents(int in, int out, off_t size)
{
    off_t copied = 0;
    while (copied < size) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, size_t(size - copied), 0);
        if (n > 0) {
            copied += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
            return errno;
        break; // not supported here, or a file that reports no size: read what there is
    }
    if (size > 0 && copied == size)
        return 0;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            return 0;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(out, buffer + written, size_t(n - written));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0)
                return errno;
            written += w;
        }
    }
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

QString systemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

FileOutcome PosixFileSystem::outcomeFor(int error, const QByteArray& source)
{
    using Failure = FileOutcome::Failure;
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return FileOutcome::failed(Failure::DestinationExists);
    case ENOENT:
    case ENOTDIR:
        return FileOutcome::failed(entryAt(source) ? Failure::FolderMissing : Failure::SourceMissing);
    case EACCES:
    case EPERM:
    case EROFS:
        return FileOutcome::failed(Failure::AccessDenied);
    case EINVAL:
    case EILSEQ:
        return FileOutcome::failed(Failure::IllegalName);
    default:
        return FileOutcome::failed(Failure::Other, systemMessage(error));
    }
}

FileOutcome PosixFileSystem::renameNoReplace(const QString& source, const QString& destination)
{
    const QByteArray from = encoded(source);
    const QByteArray to = encoded(destination);
    const int error = renameWithoutReplacing(from, to);
    if (error == 0)
        return FileOutcome::success();
    // Where names ignore case, a.JPG "exists" as a.jpg: it is the file itself.
    if (error == EEXIST && sameFile(from, to))
        return renameThroughTemporary(from, to);
    return outcomeFor(error, from);
}

FileOutcome PosixFileSystem::renameThroughTemporary(const QByteArray& source, const QByteArray& destination)
{
    QByteArray temporary;
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        temporary = folderOf(destination) + ".renvora-" +
                    QByteArray::number(QRandomGenerator::global()->generate64(), 16) + ".tmp";
        error = renameWithoutReplacing(source, temporary);
    }
    if (error != 0)
        return outcomeFor(error, source);
    error = renameWithoutReplacing(temporary, destination);
    if (error == 0)
        return FileOutcome::success();
    // A second name of the same file (a hard link) holds the destination: put the file back.
    if (renameWithoutReplacing(temporary, source) != 0)
        return FileOutcome::failed(FileOutcome::Failure::Other,
                                   QStringLiteral("文件暂存为 %1").arg(QFile::decodeName(temporary)));
    return outcomeFor(error, source);
}

FileOutcome PosixFileSystem::copyExclusive(const QString& source, const QString& destination)
{
    const QByteArray from = encoded(source);
    const QByteArray to = encoded(destination);
    // Non-blocking, so that a pipe in the source's place is refused, not waited on.
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return outcomeFor(errno, from);
    struct stat st;
    const int statError = ::fstat(in, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EINVAL;
    if (statError != 0) {
        ::close(in);
        return FileOutcome::failed(FileOutcome::Failure::Other, systemMessage(statError));
    }
    // O_EXCL: an existing file, folder or link of that name is never replaced.
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777);
    if (out < 0) {
        const int error = errno;
        ::close(in);
        return outcomeFor(error, from);
    }
    int error = copyContents(in, out, st.st_size);
    ::close(in);
    // A copy of a photo or a scan keeps the time the original was last changed, as copies
    // made by a file manager do; the copy is whole without it.
    if (error == 0) {
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return FileOutcome::success();
    // The file was created by this copy just now: a partial copy is no copy.
    ::unlink(to.constData());
    return outcomeFor(error, from);
}

FileOutcome PosixFileSystem::createFolder(const QString& path)
{
    const QByteArray folder = encoded(path);
    if (::mkdir(folder.constData(), 0777) == 0)
        return FileOutcome::success();
    const int error = errno;
    // A missing parent is a missing folder, not a missing source.
    if (error == ENOENT || error == ENOTDIR)
        return FileOutcome::failed(FileOutcome::Failure::FolderMissing);
    return outcomeFor(error, folder);
}

bool PosixFileSystem::exists(const QString& path)
{
    return targetOf(encoded(path)).has_value();
}

bool PosixFileSystem::isFolder(const QString& path)
{
    const auto st = targetOf(encoded(path));
    return st && S_ISDIR(st->st_mode);
}

std::optional<FileStamp> PosixFileSystem::stamp(const QString& path)
{
    const auto st = entryAt(encoded(path));
    if (!st)
        return std::nullopt;
    return FileStamp{qint64(st->st_size), qint64(st->st_mtim.tv_sec) * 1000000000 + st->st_mtim.tv_nsec,
                     quint64(st->st_dev), quint64(st->st_ino)};
}

FileOutcome PosixFileSystem::removeFile(const QString& path)
{
    const QByteArray file = encoded(path);
    if (::unlink(file.constData()) == 0)
        return FileOutcome::success();
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return FileOutcome::failed(FileOutcome::Failure::Gone);
    return outcomeFor(error, file);
}

FileOutcome PosixFileSystem::removeEmptyFolder(const QString& path)
{
    const QByteArray folder = encoded(path);
    if (::rmdir(folder.constData()) == 0)
        return FileOutcome::success();
    const int error = errno;
    switch (error) {
    case ENOTEMPTY:
    case EEXIST:
        return FileOutcome::failed(FileOutcome::Failure::FolderNotEmpty);
    case ENOENT:
    case ENOTDIR:
        // Nothing of that name, or something that is no folder: the folder the run made is gone.
        return FileOutcome::failed(FileOutcome::Failure::Gone);
    default:
        return outcomeFor(error, folder);
    }
}
