#pragma once

#include <QByteArray>
#include <QString>

// A folder of its own for a library's temporary files. libxlsxwriter unlinks its temporary
// files as it makes them and, on some failures (a full disk), returns without closing one: the
// space stays taken until the program ends. Whatever the library left open inside this folder
// is closed when it goes, and the folder removed.
class ScratchFolder
{
public:
    // Made inside parent; isValid() tells whether that worked.
    explicit ScratchFolder(const QString& parent);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool isValid() const { return !m_path.isEmpty(); }
    // The folder's path as the file system takes it.
    QByteArray path() const { return m_path; }

private:
    QByteArray m_path;
};
