#include "facts/LookupFolder.h"

#include <fcntl.h>
#include <unistd.h>

LookupFolder::~LookupFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

LookupFolder::Place LookupFolder::placeOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0 || slash == path.size() - 1)
        return {AT_FDCWD, path.constData()};
    const QByteArrayView folder = QByteArrayView(path).first(slash == 0 ? 1 : slash);
    if (m_path != folder) {
        // Opened only once a second file comes from it: files from folders taken in turns
        // would cost an open each.
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        m_tried = false;
        m_path.resize(0); // keeps its room
        m_path.append(folder);
        return {AT_FDCWD, path.constData()};
    }
    if (!m_tried) {
        m_fd = ::open(m_path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        m_tried = true;
    }
    if (m_fd < 0)
        return {AT_FDCWD, path.constData()};
    return {m_fd, path.constData() + slash + 1};
}
