#pragma once

#include <QByteArray>

// The folder of the last file looked at, held open. A column of files goes through its folders
// one after another, and a name looked up in its own open folder costs the kernel one step
// instead of a walk down the whole path, which is most of what reading a file's times costs.
// Kept for a handful of files at a time, so that a folder renamed meanwhile is soon noticed.
class LookupFolder
{
public:
    LookupFolder() = default;
    ~LookupFolder();
    LookupFolder(const LookupFolder&) = delete;
    LookupFolder& operator=(const LookupFolder&) = delete;

    struct Place
    {
        int folder; // an open folder, or AT_FDCWD
        const char* name;
    };
    // Where to look the path up: its own folder and its last name; the whole path when the
    // folder cannot be opened. The name lives as long as path.
    Place placeOf(const QByteArray& path);

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_tried = false; // whether m_path was opened, or failed to open
};
