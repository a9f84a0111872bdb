#include "facts/BoundedFileStream.h"

BoundedFileStream::BoundedFileStream(const QByteArray& path, qint64 budget, QDeadlineTimer deadline)
    : m_path(path), m_file(path), m_budget(budget), m_deadline(deadline)
{
}

TagLib::ByteVector BoundedFileStream::readBlock(unsigned long length)
{
    if (m_budget <= 0 || m_deadline.hasExpired())
        throw BoundReached();
    const QByteArray bytes = m_file.read(m_position, std::min(qint64(length), m_budget));
    m_position += bytes.size();
    m_budget -= std::max(qint64(bytes.size()), LeastCost);
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

void BoundedFileStream::seek(long offset, Position from)
{
    const qint64 base = from == Beginning ? 0 : from == Current ? m_position : m_file.size();
    m_position = std::max<qint64>(0, base + offset);
}
