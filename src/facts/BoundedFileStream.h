#pragma once

#include "facts/ReadOnlyFile.h"

#include <taglib/tiostream.h>

// A file as TagLib reads it, by the file system's own bytes of its name, read only, with a
// budget: once budget bytes have been read, the file seems to end. A damaged file that sends
// TagLib hunting through gigabytes for a frame, or claims a tag larger than any real one,
// costs at most the budget.
class BoundedFileStream : public TagLib::IOStream
{
public:
    BoundedFileStream(const QByteArray& path, qint64 budget);

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
};
