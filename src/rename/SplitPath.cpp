#include "rename/SplitPath.h"

#include "base/NativeName.h"
#include "rename/PathKey.h"

#include <QStringBuilder>

SplitPath::SplitPath(QString whole) : m_pieces{NativeName::canonical(whole), {}, {}} {}

SplitPath::SplitPath(QString folder, QString name, QString extension)
    : m_pieces{std::move(folder), std::move(name), std::move(extension)}
{
    // A raw byte, or a surrogate pair split between two pieces, is put right on the whole.
    for (const QString& piece : m_pieces)
        if (NativeName::hasSurrogates(piece)) {
            *this = SplitPath(joined());
            return;
        }
}

QString SplitPath::joined() const
{
    if (m_pieces[1].isEmpty() && m_pieces[2].isEmpty())
        return m_pieces[0];
    return m_pieces[0] % m_pieces[1] % m_pieces[2];
}

QStringView SplitPath::wholeIn(Buffer& buffer) const
{
    if (m_pieces[1].isEmpty() && m_pieces[2].isEmpty())
        return m_pieces[0];
    buffer.clear();
    for (const QString& piece : m_pieces)
        buffer.append(piece.constData(), piece.size());
    return QStringView(buffer.constData(), buffer.size());
}

size_t SplitPath::hash() const
{
    Buffer buffer;
    return PathKey::hashOf(wholeIn(buffer));
}

qsizetype SplitPath::folderEnd() const
{
    qsizetype before = size();
    for (int i = 2; i >= 0; --i) {
        before -= m_pieces[i].size();
        const qsizetype at = m_pieces[i].lastIndexOf(u'/');
        if (at >= 0)
            return before + at + 1;
    }
    return 0;
}

QString SplitPath::folder(qsizetype end) const
{
    return end == m_pieces[0].size() ? m_pieces[0] : joined().left(end);
}

bool SplitPath::sameAs(const SplitPath& other) const
{
    if (size() != other.size())
        return false;
    // Paths of one table are split alike: piece by piece settles almost every comparison.
    if (m_pieces[0].size() == other.m_pieces[0].size() && m_pieces[1].size() == other.m_pieces[1].size())
        return m_pieces[0] == other.m_pieces[0] && m_pieces[1] == other.m_pieces[1] &&
               m_pieces[2] == other.m_pieces[2];
    Buffer buffer;
    return equals(other.wholeIn(buffer));
}

bool SplitPath::equals(QStringView whole) const
{
    if (size() != whole.size())
        return false;
    qsizetype at = 0;
    for (const QString& piece : m_pieces) {
        if (whole.sliced(at, piece.size()) != QStringView(piece))
            return false;
        at += piece.size();
    }
    return true;
}

bool SplitPath::isEncodable() const
{
    // Pieces that hold a surrogate are joined into the first: a path still in pieces holds none.
    if (!m_pieces[1].isEmpty() || !m_pieces[2].isEmpty())
        return true;
    return NativeName::isEncodable(m_pieces[0]);
}
