#include "workbook/ScratchFolder.h"

#include "base/NativeName.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

namespace {

// Descriptors of this process that lead into the folder (deleted files show as "path (deleted)").
std::vector<int> descriptorsInside(const QByteArray& folder)
{
    std::vector<int> found;
    DIR* descriptors = opendir("/proc/self/fd");
    if (!descriptors)
        return found;
    const QByteArray prefix = folder + '/';
    while (const dirent* entry = readdir(descriptors)) {
        char* end = nullptr;
        const long fd = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || fd == dirfd(descriptors))
            continue;
        char target[PATH_MAX];
        const QByteArray link = QByteArray("/proc/self/fd/") + entry->d_name;
        const ssize_t length = ::readlink(link.constData(), target, sizeof target);
        if (length > 0 && QByteArrayView(target, length).startsWith(prefix))
            found.push_back(int(fd));
    }
    closedir(descriptors);
    return found;
}

void removeContents(const QByteArray& folder)
{
    DIR* dir = opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name != "." && name != "..")
            ::unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

} // namespace

ScratchFolder::ScratchFolder(const QString& parent)
{
    const std::optional<QByteArray> folder = NativeName::toBytes(parent);
    if (!folder)
        return;
    QByteArray pattern = *folder + "/.renvora-scratch-XXXXXX";
    if (::mkdtemp(pattern.data()))
        m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    if (m_path.isEmpty())
        return;
    for (int fd : descriptorsInside(m_path))
        ::close(fd);
    removeContents(m_path);
    ::rmdir(m_path.constData());
}
