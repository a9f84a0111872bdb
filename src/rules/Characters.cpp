#include "rules/Characters.h"

#include "base/Utf16.h"

namespace {

// The index just past count characters read forward from index from, at most the text's end.
qsizetype forward(QStringView text, qsizetype from, qint64 count)
{
    qsizetype index = from;
    for (; count > 0 && index < text.size(); --count)
        index = Utf16::nextBoundary(text, index);
    return index;
}

// The index of the first of the last count characters, at least 0.
qsizetype backward(QStringView text, qint64 count)
{
    qsizetype index = text.size();
    for (; count > 0 && index > 0; --count)
        index = Utf16::previousBoundary(text, index);
    return index;
}

// The piece as a new string, or the text itself when the piece is all of it.
QString slice(const QString& text, QStringView piece)
{
    return piece.size() == text.size() ? text : piece.toString();
}

} // namespace

QStringView leftPiece(QStringView text, qint64 count)
{
    return text.first(forward(text, 0, count));
}

QStringView rightPiece(QStringView text, qint64 count)
{
    return text.sliced(backward(text, count));
}

QStringView midPiece(QStringView text, qint64 start, qint64 count)
{
    const qsizetype begin = forward(text, 0, start - 1);
    return text.sliced(begin, forward(text, begin, count) - begin);
}

QString leftCharacters(const QString& text, qint64 count)
{
    return slice(text, leftPiece(text, count));
}

QString rightCharacters(const QString& text, qint64 count)
{
    return slice(text, rightPiece(text, count));
}

QString midCharacters(const QString& text, qint64 start, qint64 count)
{
    return slice(text, midPiece(text, start, count));
}
