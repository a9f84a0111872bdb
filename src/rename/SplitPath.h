#pragma once

#include "rename/PathFrame.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// A path as the table gives it, a folder, a name and an extension: the name shared with the
// cell it comes from, the folder and the extension held once for all paths that have them (see
// PathFrame). A plan of a million rows then holds no path text of its own, and 32 bytes a path.
// The whole path is joined only where a file-system call or a message needs it. Pieces are
// compared and hashed as the path they make, however it is split.
class SplitPath
{
public:
    SplitPath() = default;
    // Texts that reach the disk as the same bytes make the same path (see NativeName::canonical).
    // A path held in one piece; a path is a path, so a text converts.
    SplitPath(QString whole);
    SplitPath(const QString& folder, QString name, const QString& extension);

    QString joined() const;
    qsizetype size() const { return m_frame.folder().size() + m_name.size() + m_frame.extension().size(); }
    bool isEmpty() const { return size() == 0; }
    // The path's hash, as PathKey::hashOf(joined()) gives it.
    size_t hash() const;
    // The length of the folder part, its last separator included; 0 without a separator.
    qsizetype folderEnd() const;
    // The folder part; no text of its own when the path's first piece is its folder. end: the
    // folderEnd() already worked out.
    QString folder() const { return folder(folderEnd()); }
    QString folder(qsizetype end) const;

    using Buffer = QVarLengthArray<QChar, 512>;
    // The whole path, joined in the caller's buffer when it is in pieces: no text of its own.
    QStringView wholeIn(Buffer& buffer) const;

    // Whether the path is the whole given.
    bool equals(QStringView whole) const;
    // Whether toBytes takes every piece (see NativeName::isEncodable).
    bool isEncodable() const;

    friend bool operator==(const SplitPath& a, const SplitPath& b) { return a.sameAs(b); }
    friend size_t qHash(const SplitPath& path, size_t seed = 0) { return path.hash() ^ seed; }

private:
    bool sameAs(const SplitPath& other) const;
    // Whether the whole path is the name: nothing to join.
    bool isOnePiece() const { return m_frame.isNull(); }

    // A path held in one piece is its name.
    QString m_name;
    PathFrame m_frame;
};
