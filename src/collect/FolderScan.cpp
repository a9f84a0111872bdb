#include "collect/FolderScan.h"

#include "collect/WildcardPattern.h"

#include <algorithm>
#include <vector>

#if defined(Q_OS_UNIX)
#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <filesystem>
#include <system_error>
#endif

namespace {

// What one read of a folder yields: the matching files and the subfolders, by name.
struct FolderEntries
{
    std::vector<QString> files;
    std::vector<QString> folders;
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
    for (qsizetype i = 0; i < common; ++i) {
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

#if defined(Q_OS_UNIX)

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

// One read of the folder. The type comes from the directory entry; only a file system that
// leaves it out costs a stat, and a link costs one only when its name matches.
FolderEntries readFolder(const QString& folder, const WildcardPattern& pattern)
{
    FolderEntries entries;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return entries;
    const int folderFd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
        const char* rawName = entry->d_name;
        if (isDotOrDotDot(rawName))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN)
            type = typeFromStat(folderFd, rawName);
        if (type == DT_DIR) {
            entries.folders.push_back(QFile::decodeName(rawName));
            continue;
        }
        // Devices, pipes and sockets are not files to rename or copy.
        if (type != DT_REG && type != DT_LNK)
            continue;
        QString name = QFile::decodeName(rawName);
        if (!pattern.matches(name))
            continue;
        // A link is listed when it leads to a file; a link to a folder is neither listed nor followed.
        if (type == DT_LNK && !linksToFile(folderFd, rawName))
            continue;
        entries.files.push_back(std::move(name));
    }
    closedir(dir);
    return entries;
}

#else

FolderEntries readFolder(const QString& folder, const WildcardPattern& pattern)
{
    namespace fs = std::filesystem;
    FolderEntries entries;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder.toStdU16String()), error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        // Links and junctions are not taken for folders: the scan never follows them.
        const fs::file_status status = it->symlink_status(typeError);
        if (typeError)
            continue;
        const QString name = QString::fromStdU16String(it->path().filename().u16string());
        if (fs::is_directory(status)) {
            entries.folders.push_back(name);
            continue;
        }
        if (!pattern.matches(name))
            continue;
        const bool isFile =
            fs::is_symlink(status) ? fs::is_regular_file(it->status(typeError)) : fs::is_regular_file(status);
        if (isFile && !typeError)
            entries.files.push_back(name);
    }
    return entries;
}

#endif

} // namespace

QString withTrailingSeparator(const QString& folder, QChar separator)
{
    return folder.endsWith(separator) ? folder : folder + separator;
}

void scanFolder(const QString& folder, const WildcardPattern& pattern, QStringList& found)
{
    if (folder.isEmpty())
        return;
    // Depth first without recursion: a folder's subfolders go onto the stack in reverse order,
    // so the first of them is scanned next, with everything below it, before the second.
    std::vector<QString> pending{withTrailingSeparator(folder)};
    while (!pending.empty()) {
        const QString current = std::move(pending.back());
        pending.pop_back();
        FolderEntries entries = readFolder(current, pattern);
        sortByName(entries.files);
        sortByName(entries.folders);
        for (const QString& name : entries.files)
            found.append(current + name);
        for (auto it = entries.folders.rbegin(); it != entries.folders.rend(); ++it)
            pending.push_back(withTrailingSeparator(current + *it));
    }
}
