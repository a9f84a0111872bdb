#include "facts/ReadOnlyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::ReadOnlyFile(const QByteArray& path)
{
    // Non-blocking: opening a pipe would otherwise wait for a writer.
    m_fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_fd < 0)
        return;
    struct stat st;
    if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_size = qint64(st.st_size);
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray ReadOnlyFile::read(qint64 offset, qint64 length) const
{
    if (m_fd < 0 || offset < 0 || length <= 0 || offset >= m_size)
        return {};
    QByteArray bytes(qsizetype(std::min(length, m_size - offset)), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pread(m_fd, bytes.data() + done, size_t(bytes.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}
