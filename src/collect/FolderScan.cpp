#include "collect/FolderScan.h"

#include "base/NativeName.h"
#include "base/TemporaryNames.h"
#include "base/TrailingSeparator.h"
#include "collect/WildcardPattern.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

// What one read of a folder yields: the matching files and the subfolders, by name.
struct FolderEntries
{
    std::vector<QString> files;
    std::vector<QString> folders;
    bool readable = true;
};

char32_t asCapital(char16_t c)
{
    if (c < 0x80) // most names are plain ASCII: no table lookup for them
        return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
    return QChar::toUpper(char32_t(c));
}

// The order in which a Windows folder lists its names: letters compared as capitals, code unit
// by code unit. Names equal in that order fall back to their exact text, so the order is total
// and never depends on the order the file system returns.
bool comesBefore(const QString& a, const QString& b)
{
    const qsizetype common = std::min(a.size(), b.size());
    // Names in one folder share long beginnings (IMG_00012…): those are passed four code units
    // at a time.
    qsizetype i = 0;
    for (quint64 x, y; i + 4 <= common; i += 4) {
        std::memcpy(&x, a.constData() + i, sizeof x);
        std::memcpy(&y, b.constData() + i, sizeof y);
        if (x != y)
            break;
    }
    for (; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        const char32_t x = asCapital(a[i].unicode());
        const char32_t y = asCapital(b[i].unicode());
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

void sortByName(std::vector<QString>& names)
{
    std::sort(names.begin(), names.end(), comesBefore);
}

bool isDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The entry's type when the directory entry does not tell it; unknown when it cannot be read.
unsigned char typeFromStat(int folderFd, const char* name)
{
    struct stat info;
    if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return DT_UNKNOWN;
    if (S_ISDIR(info.st_mode))
        return DT_DIR;
    if (S_ISREG(info.st_mode))
        return DT_REG;
    if (S_ISLNK(info.st_mode))
        return DT_LNK;
    return DT_UNKNOWN;
}

bool linksToFile(int folderFd, const char* name)
{
    struct stat info;
    return fstatat(folderFd, name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

// One read of the folder, by the exact bytes of its path. The type comes from the directory
// entry; only a file system that leaves it out costs a stat, and a link costs one only when its
// name matches.
FolderEntries readFolder(const QString& folder, const WildcardPattern& pattern)
{
    FolderEntries entries;
    const std::optional<QByteArray> path = NativeName::toBytes(folder);
    DIR* dir = path ? opendir(path->constData()) : nullptr;
    if (!dir) {
        entries.readable = false;
        return entries;
    }
    const int folderFd = dirfd(dir);
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir);
        if (!entry) {
            entries.readable = errno == 0;
            break;
        }
        const char* rawName = entry->d_name;
        if (isDotOrDotDot(rawName))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN)
            type = typeFromStat(folderFd, rawName);
        if (type == DT_DIR) {
            entries.folders.push_back(NativeName::fromBytes(rawName));
            continue;
        }
        // Devices, pipes and sockets are not files to rename or copy.
        if (type != DT_REG && type != DT_LNK)
            continue;
        QString name = NativeName::fromBytes(rawName);
        // A copy cut off before it was complete is nobody's file.
        if (!pattern.matches(name) || (rawName[0] == '.' && TemporaryNames::isPartialCopy(name)))
            continue;
        // A link is listed when it leads to a file; a link to a folder is neither listed nor followed.
        if (type == DT_LNK && !linksToFile(folderFd, rawName))
            continue;
        entries.files.push_back(std::move(name));
    }
    closedir(dir);
    return entries;
}

} // namespace

QStringList scanFolder(const QString& folder, const WildcardPattern& pattern, const FolderFiles& take)
{
    QStringList unreadable;
    if (folder.isEmpty())
        return unreadable;
    // Depth first without recursion: a folder's subfolders go onto the stack in reverse order,
    // so the first of them is scanned next, with everything below it, before the second.
    std::vector<QString> pending{withTrailingSeparator(folder)};
    while (!pending.empty()) {
        const QString current = std::move(pending.back());
        pending.pop_back();
        FolderEntries entries = readFolder(current, pattern);
        if (!entries.readable)
            unreadable.append(current);
        sortByName(entries.files);
        sortByName(entries.folders);
        take(current, entries.files);
        for (auto it = entries.folders.rbegin(); it != entries.folders.rend(); ++it)
            pending.push_back(withTrailingSeparator(current + *it));
    }
    return unreadable;
}

QStringList scanFolder(const QString& folder, const WildcardPattern& pattern, QStringList& found)
{
    return scanFolder(folder, pattern, [&found](const QString& current, std::vector<QString>& names) {
        for (const QString& name : names)
            found.append(current + name);
    });
}

bool isFolderOnDisk(const QString& path)
{
    const std::optional<QByteArray> bytes = NativeName::toBytes(path);
    struct stat st;
    return bytes && !bytes->isEmpty() && ::stat(bytes->constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
