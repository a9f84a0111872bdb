#pragma once

#include <QtGlobal>

// What tells a file apart from one written later under its name: its size, its modification
// time and the file the name leads to. Taken right after a copy, it lets an undo remove only
// a copy nobody has touched since.
struct FileStamp
{
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
