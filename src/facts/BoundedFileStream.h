#pragma once

#include "facts/ReadOnlyFile.h"

#include <QDeadlineTimer>

#include <taglib/tiostream.h>

// A file as TagLib reads it, by the file system's own bytes of its name, read only, within
// bounds: a budget of bytes, where every read spends what it reads and at least a block
// (1 KiB), and a deadline. A read past either throws BoundReached. A damaged file that sends
// TagLib hunting through gigabytes for a frame, or claims a tag larger than any real one,
// costs at most the budget; some of TagLib's searches spend far more time on each block than
// the read takes, or walk the whole length of a file even when their reads come back empty,
// so the bounds have to stop them, not just starve them.
class BoundedFileStream : public TagLib::IOStream
{
public:
    struct BoundReached
    {
    };
    static constexpr qint64 LeastCost = 1024;

    BoundedFileStream(const QByteArray& path, qint64 budget, QDeadlineTimer deadline);

    TagLib::FileName name() const override { return m_path.constData(); }
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return m_file.isOpen(); }
    void seek(long offset, Position from) override;
    long tell() const override { return long(m_position); }
    long length() override { return long(m_file.size()); }
    void truncate(long) override {}

private:
    QByteArray m_path;
    ReadOnlyFile m_file;
    qint64 m_position = 0;
    qint64 m_budget;
    QDeadlineTimer m_deadline;
};
