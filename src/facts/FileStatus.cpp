#include "facts/FileStatus.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QDateTime localTime(const struct statx_timestamp& time)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000, Qt::LocalTime);
}

} // namespace

std::optional<FileStatus> FileStatus::of(const QByteArray& path)
{
    if (path.isEmpty())
        return std::nullopt;
    struct statx st;
    constexpr unsigned Wanted = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_ATIME | STATX_INO | STATX_BTIME;
    if (::statx(AT_FDCWD, path.constData(), AT_STATX_SYNC_AS_STAT, Wanted, &st) != 0)
        return std::nullopt;
    FileStatus status;
    status.stamp =
        FileStamp{qint64(st.stx_size), qint64(st.stx_mtime.tv_sec) * 1000000000 + st.stx_mtime.tv_nsec,
                  quint64(makedev(st.stx_dev_major, st.stx_dev_minor)), quint64(st.stx_ino)};
    status.modified = localTime(st.stx_mtime);
    status.accessed = localTime(st.stx_atime);
    if (st.stx_mask & STATX_BTIME)
        status.created = localTime(st.stx_btime);
    status.regular = S_ISREG(st.stx_mode);
    return status;
}

std::optional<FactValue> FileStatus::value(FileFact fact) const
{
    switch (fact) {
    case FileFact::Modified:
        return FactValue(modified);
    case FileFact::Accessed:
        return FactValue(accessed);
    case FileFact::Created:
        return factValue(created);
    case FileFact::Size:
        return FactValue(double(stamp.size));
    default:
        return std::nullopt;
    }
}
