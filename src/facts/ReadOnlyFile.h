#pragma once

#include <QByteArray>

// A plain file opened for reading by the file system's own bytes of its name. Pipes, devices
// and folders are refused at once, so that no reader ever waits on one or reads without end.
class ReadOnlyFile
{
public:
    explicit ReadOnlyFile(const QByteArray& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    qint64 size() const { return m_size; }

    // Up to length bytes from offset; fewer at the end of the file or when reading fails.
    QByteArray read(qint64 offset, qint64 length) const;

private:
    int m_fd = -1;
    qint64 m_size = 0;
};
