#include "rules/Characters.h"

#include "base/Utf16.h"

namespace {

// The index just past count characters read forward from index from, at most the text's end.
qsizetype forward(const QString& text, qsizetype from, qint64 count)
{
    qsizetype index = from;
    for (; count > 0 && index < text.size(); --count)
        index = Utf16::nextBoundary(text, index);
    return index;
}

// The index of the first of the last count characters, at least 0.
qsizetype backward(const QString& text, qint64 count)
{
    qsizetype index = text.size();
    for (; count > 0 && index > 0; --count)
        index = Utf16::previousBoundary(text, index);
    return index;
}

// The piece as a new string, or the text itself when the piece is all of it.
QString slice(const QString& text, qsizetype begin, qsizetype end)
{
    if (begin == 0 && end == text.size())
        return text;
    return text.sliced(begin, end - begin);
}

} // namespace

QString leftCharacters(const QString& text, qint64 count)
{
    return slice(text, 0, forward(text, 0, count));
}

QString rightCharacters(const QString& text, qint64 count)
{
    return slice(text, backward(text, count), text.size());
}

QString midCharacters(const QString& text, qint64 start, qint64 count)
{
    const qsizetype begin = forward(text, 0, start - 1);
    return slice(text, begin, forward(text, begin, count));
}
