#include "facts/FileStatus.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

qint64 milliseconds(const struct statx_timestamp& time)
{
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

// The instant at the offset local time has then. Qt's own turning into local time sets the zone
// up afresh on every call, three looks at the zone's file, more than the statx costs; the C
// library keeps the zone it set up (Qt's calls elsewhere, on every calculation, keep it current).
FactValue localTime(qint64 ms)
{
    const time_t seconds = time_t(ms >= 0 ? ms / 1000 : -((999 - ms) / 1000));
    struct tm parts;
    if (!localtime_r(&seconds, &parts))
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::LocalTime);
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, int(parts.tm_gmtoff));
}

} // namespace

std::optional<FileStatus> FileStatus::of(int folder, const char* name)
{
    struct statx st;
    constexpr unsigned Wanted =
        STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_CTIME | STATX_ATIME | STATX_INO | STATX_BTIME;
    if (::statx(folder, name, AT_STATX_SYNC_AS_STAT, Wanted, &st) != 0)
        return std::nullopt;
    FileStatus status;
    status.stamp = FileStamp{.size = qint64(st.stx_size),
                             .modifiedNs = qint64(st.stx_mtime.tv_sec) * 1000000000 + st.stx_mtime.tv_nsec,
                             .changedNs = qint64(st.stx_ctime.tv_sec) * 1000000000 + st.stx_ctime.tv_nsec,
                             .device = quint64(makedev(st.stx_dev_major, st.stx_dev_minor)),
                             .inode = quint64(st.stx_ino)};
    status.modifiedMs = milliseconds(st.stx_mtime);
    status.accessedMs = milliseconds(st.stx_atime);
    if (st.stx_mask & STATX_BTIME)
        status.createdMs = milliseconds(st.stx_btime);
    status.regular = S_ISREG(st.stx_mode);
    return status;
}

std::optional<FactValue> FileStatus::value(FileFact fact) const
{
    switch (fact) {
    case FileFact::Modified:
        return localTime(modifiedMs);
    case FileFact::Accessed:
        return localTime(accessedMs);
    case FileFact::Created:
        return createdMs ? std::optional<FactValue>(localTime(*createdMs)) : std::nullopt;
    case FileFact::Size:
        return FactValue(double(stamp.size));
    default:
        return std::nullopt;
    }
}
