#include "rename/SplitPath.h"

#include "base/NativeName.h"
#include "rename/PathKey.h"

#include <QStringBuilder>

#include <array>

static_assert(sizeof(SplitPath) == 32, "a plan holds two paths a step");

namespace {

std::array<const QString*, 3> piecesOf(const QString& name, const PathFrame& frame)
{
    return {&frame.folder(), &name, &frame.extension()};
}

} // namespace

SplitPath::SplitPath(QString whole) : m_name(NativeName::canonical(whole)) {}

SplitPath::SplitPath(const QString& folder, QString name, const QString& extension)
{
    // A raw byte, or a surrogate pair split between two pieces, is put right on the whole.
    if (NativeName::hasSurrogates(folder) || NativeName::hasSurrogates(name) ||
        NativeName::hasSurrogates(extension)) {
        m_name = NativeName::canonical(folder % name % extension);
        return;
    }
    if (name.isEmpty() && extension.isEmpty()) {
        m_name = folder;
        return;
    }
    m_name = std::move(name);
    m_frame = PathFrame::of(folder, extension);
}

QString SplitPath::joined() const
{
    if (isOnePiece())
        return m_name;
    return m_frame.folder() % m_name % m_frame.extension();
}

QStringView SplitPath::wholeIn(Buffer& buffer) const
{
    if (isOnePiece())
        return m_name;
    buffer.clear();
    for (const QString* piece : piecesOf(m_name, m_frame))
        buffer.append(piece->constData(), piece->size());
    return QStringView(buffer.constData(), buffer.size());
}

size_t SplitPath::hash() const
{
    Buffer buffer;
    return PathKey::hashOf(wholeIn(buffer));
}

qsizetype SplitPath::folderEnd() const
{
    const auto pieces = piecesOf(m_name, m_frame);
    qsizetype before = size();
    for (int i = 2; i >= 0; --i) {
        before -= pieces[i]->size();
        const qsizetype at = pieces[i]->lastIndexOf(u'/');
        if (at >= 0)
            return before + at + 1;
    }
    return 0;
}

QString SplitPath::folder(qsizetype end) const
{
    const QString& folder = m_frame.folder();
    if (end == folder.size())
        return folder;
    return joined().left(end);
}

bool SplitPath::sameAs(const SplitPath& other) const
{
    if (size() != other.size())
        return false;
    // Paths of one table mostly share their frames: the names settle those.
    if (m_frame == other.m_frame)
        return m_name == other.m_name;
    if (m_frame.folder().size() == other.m_frame.folder().size() && m_name.size() == other.m_name.size())
        return m_frame.folder() == other.m_frame.folder() && m_name == other.m_name &&
               m_frame.extension() == other.m_frame.extension();
    Buffer buffer;
    return equals(other.wholeIn(buffer));
}

bool SplitPath::equals(QStringView whole) const
{
    if (size() != whole.size())
        return false;
    qsizetype at = 0;
    for (const QString* piece : piecesOf(m_name, m_frame)) {
        if (whole.sliced(at, piece->size()) != QStringView(*piece))
            return false;
        at += piece->size();
    }
    return true;
}

bool SplitPath::isEncodable() const
{
    // Pieces that hold a surrogate are joined into one: a path in pieces holds none.
    if (!isOnePiece())
        return true;
    return NativeName::isEncodable(m_name);
}
