#include "rename/LinuxFileSystem.h"

#include "base/NativeName.h"
#include "base/TemporaryNames.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Failure = FileOutcome::Failure;

// Not an errno: the file system knows neither a no-replace rename nor hard links.
constexpr int NoSafeRenameError = -1;

std::optional<QByteArray> encoded(const QString& path)
{
    return NativeName::toBytes(path);
}

FileOutcome unencodable()
{
    return FileOutcome::failed(Failure::IllegalName);
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

// 0 or an errno (or NoSafeRenameError); never replaces the destination.
int renameWithoutReplacing(const QByteArray& source, const QByteArray& destination)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // The file system (or the kernel) does not know the flag: a hard link also refuses an
    // existing name.
    if (::link(source.constData(), destination.constData()) != 0) {
        const int error = errno;
        return error == EPERM || error == EOPNOTSUPP || error == ENOSYS ? NoSafeRenameError : error;
    }
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

// Fills out with the original's bytes and times, then closes it; 0 or an errno.
int writeCopy(int in, int out, const struct stat& original)
{
    int error = copyContents(in, out, original.st_size);
    // A copy of a photo or a scan keeps the time it was last changed, as copies made by a
    // file manager do; the copy is whole without it.
    if (error == 0) {
        const struct timespec times[2] = {original.st_atim, original.st_mtim};
        ::futimens(out, times);
    }
    // Some file systems report a failed write only when the file is closed.
    if (::close(out) != 0 && error == 0)
        error = errno;
    return error;
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : path.left(slash + 1);
}

QString shownPath(const QByteArray& path)
{
    return NativeName::display(NativeName::fromBytes(path));
}

qint64 nanoseconds(const struct timespec& time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace

FileOutcome LinuxFileSystem::outcomeFor(int error, const QByteArray& source)
{
    switch (error) {
    case EEXIST:
    case ENOTEMPTY:
        return FileOutcome::failed(Failure::DestinationExists);
    case ENOENT:
        return FileOutcome::failed(entryAt(source) ? Failure::FolderMissing : Failure::SourceMissing);
    case ENOTDIR:
        // With the source in place, the file in the way is on the destination's side.
        return FileOutcome::failed(entryAt(source) ? Failure::NotAFolder : Failure::SourceMissing);
    case EACCES:
    case EPERM:
        return FileOutcome::failed(Failure::AccessDenied);
    case EROFS:
        return FileOutcome::failed(Failure::ReadOnlyFileSystem);
    case ENAMETOOLONG:
        return FileOutcome::failed(Failure::NameTooLong);
    case ENOSPC:
    case EDQUOT:
        return FileOutcome::failed(Failure::DiskFull);
    case EINVAL:
    case EILSEQ:
        return FileOutcome::failed(Failure::IllegalName);
    case NoSafeRenameError:
        return FileOutcome::failed(Failure::NoSafeRename);
    default:
        return FileOutcome::failed(Failure::Other, QString::fromLocal8Bit(std::strerror(error)));
    }
}

FileOutcome LinuxFileSystem::renameNoReplace(const QString& source, const QString& destination)
{
    const auto from = encoded(source);
    const auto to = encoded(destination);
    if (!from || !to)
        return unencodable();
    const int error = renameWithoutReplacing(*from, *to);
    if (error == 0)
        return FileOutcome::success();
    // Where names ignore case, a.JPG "exists" as a.jpg: it is the file itself.
    if (error == EEXIST && sameFile(*from, *to))
        return renameThroughTemporary(*from, *to);
    return outcomeFor(error, *from);
}

FileOutcome LinuxFileSystem::renameThroughTemporary(const QByteArray& source, const QByteArray& destination)
{
    const QByteArray folder = folderOf(destination);
    int error = 0;
    const QByteArray temporary =
        folder + TemporaryNames::tryFreshNames(TemporaryNames::parking, [&](const QString& name) {
                     error = renameWithoutReplacing(source, folder + name.toLatin1());
                     return error == EEXIST;
                 }).toLatin1();
    if (error != 0)
        return outcomeFor(error, source);
    error = renameWithoutReplacing(temporary, destination);
    if (error == 0)
        return FileOutcome::success();
    // A second name of the same file (a hard link) holds the destination: put the file back.
    if (renameWithoutReplacing(temporary, source) != 0)
        return FileOutcome::failed(Failure::LeftUnderTemporary, shownPath(temporary));
    return outcomeFor(error, source);
}

FileOutcome LinuxFileSystem::copyExclusive(const QString& source, const QString& destination)
{
    const auto from = encoded(source);
    const auto to = encoded(destination);
    if (!from || !to)
        return unencodable();
    // Non-blocking, so that a pipe in the source's place is refused, not waited on.
    const int in = ::open(from->constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0)
        return outcomeFor(errno, *from);
    struct stat original;
    if (::fstat(in, &original) != 0 || !S_ISREG(original.st_mode)) {
        ::close(in);
        return FileOutcome::failed(Failure::Other, QStringLiteral("源文件不是普通文件"));
    }
    // The name must be free before a byte is copied; the copy's own rename makes sure again.
    if (entryAt(*to)) {
        ::close(in);
        return FileOutcome::failed(Failure::DestinationExists);
    }
    bool direct = false;
    if (!m_devicesWithoutSafeRename.empty()) {
        const auto folder = targetOf(folderOf(*to));
        direct = folder && m_devicesWithoutSafeRename.contains(folder->st_dev);
    }
    FileOutcome outcome = FileOutcome::failed(Failure::NoSafeRename);
    if (!direct)
        outcome = copyThroughTemporary(in, original, *from, *to);
    if (outcome.failure == Failure::NoSafeRename && ::lseek(in, 0, SEEK_SET) == 0) {
        // No way to give a finished copy its name without risking another file: the copy is
        // written under its name at once, created exclusively as ever.
        const int out =
            ::open(to->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, original.st_mode & 0777);
        const int error = out < 0 ? errno : writeCopy(in, out, original);
        // A file this copy created and could not fill is no copy.
        if (out >= 0 && error != 0)
            ::unlink(to->constData());
        outcome = error == 0 ? FileOutcome::success() : outcomeFor(error, *from);
    }
    ::close(in);
    return outcome;
}

FileOutcome LinuxFileSystem::copyThroughTemporary(int in, const struct stat& original,
                                                  const QByteArray& source, const QByteArray& destination)
{
    const QByteArray folder = folderOf(destination);
    int out = -1;
    int opened = 0; // the errno of the last attempt
    const QByteArray temporary =
        folder + TemporaryNames::tryFreshNames(TemporaryNames::partialCopy, [&](const QString& name) {
                     out = ::open((folder + name.toLatin1()).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, original.st_mode & 0777);
                     opened = out < 0 ? errno : 0;
                     return opened == EEXIST;
                 }).toLatin1();
    if (out < 0)
        return outcomeFor(opened, source);
    struct stat written;
    const dev_t device = ::fstat(out, &written) == 0 ? written.st_dev : dev_t(0);
    int error = writeCopy(in, out, original);
    if (error == 0)
        error = renameWithoutReplacing(temporary, destination);
    if (error == 0)
        return FileOutcome::success();
    ::unlink(temporary.constData());
    if (error == NoSafeRenameError)
        m_devicesWithoutSafeRename.insert(device);
    return outcomeFor(error, source);
}

FileOutcome LinuxFileSystem::createFolder(const QString& path)
{
    const auto folder = encoded(path);
    if (!folder)
        return unencodable();
    if (::mkdir(folder->constData(), 0777) == 0)
        return FileOutcome::success();
    const int error = errno;
    // A missing parent is a missing folder, not a missing source.
    if (error == ENOENT)
        return FileOutcome::failed(Failure::FolderMissing);
    if (error == ENOTDIR)
        return FileOutcome::failed(Failure::NotAFolder);
    return outcomeFor(error, *folder);
}

bool LinuxFileSystem::exists(const QString& path)
{
    const auto bytes = encoded(path);
    return bytes && targetOf(*bytes).has_value();
}

bool LinuxFileSystem::isFolder(const QString& path)
{
    const auto bytes = encoded(path);
    const auto st = bytes ? targetOf(*bytes) : std::nullopt;
    return st && S_ISDIR(st->st_mode);
}

std::optional<FileStamp> LinuxFileSystem::stamp(const QString& path)
{
    const auto bytes = encoded(path);
    const auto st = bytes ? entryAt(*bytes) : std::nullopt;
    if (!st)
        return std::nullopt;
    return FileStamp{.size = qint64(st->st_size),
                     .modifiedNs = nanoseconds(st->st_mtim),
                     .changedNs = nanoseconds(st->st_ctim),
                     .device = quint64(st->st_dev),
                     .inode = quint64(st->st_ino)};
}

FileOutcome LinuxFileSystem::removeFile(const QString& path)
{
    const auto file = encoded(path);
    if (!file)
        return unencodable();
    if (::unlink(file->constData()) == 0)
        return FileOutcome::success();
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return FileOutcome::failed(Failure::Gone);
    return outcomeFor(error, *file);
}

FileOutcome LinuxFileSystem::removeEmptyFolder(const QString& path)
{
    const auto folder = encoded(path);
    if (!folder)
        return unencodable();
    if (::rmdir(folder->constData()) == 0)
        return FileOutcome::success();
    const int error = errno;
    switch (error) {
    case ENOTEMPTY:
    case EEXIST:
        return FileOutcome::failed(Failure::FolderNotEmpty);
    case ENOENT:
    case ENOTDIR:
        // Nothing of that name, or something that is no folder: the folder the run made is gone.
        return FileOutcome::failed(Failure::Gone);
    default:
        return outcomeFor(error, *folder);
    }
}
