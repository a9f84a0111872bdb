#include "facts/BoundedFileStream.h"

BoundedFileStream::BoundedFileStream(const QByteArray& path, qint64 budget)
    : m_path(path), m_file(path), m_budget(budget)
{
}

TagLib::ByteVector BoundedFileStream::readBlock(unsigned long length)
{
    const QByteArray bytes = m_file.read(m_position, std::min(qint64(length), m_budget));
    m_position += bytes.size();
    m_budget -= bytes.size();
    return TagLib::ByteVector(bytes.constData(), unsigned(bytes.size()));
}

void BoundedFileStream::seek(long offset, Position from)
{
    const qint64 base = from == Beginning ? 0 : from == Current ? m_position : m_file.size();
    m_position = std::max<qint64>(0, base + offset);
}
