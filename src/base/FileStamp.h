#pragma once

#include <QtGlobal>

// What tells a file apart from one written later under its name: its size, its modification
// and change times and the file the name leads to. Taken right after a copy, it lets an undo
// remove only a copy nobody has touched since: an editor may write in place and set the
// modification time back, but the change time moves with any write and no user tool sets it.
struct FileStamp
{
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    qint64 changedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;

    bool isSameFile(const FileStamp& other) const { return device == other.device && inode == other.inode; }

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
