#include "rules/Characters.h"

namespace {

bool isPairAt(const QString& text, qsizetype index)
{
    return index >= 0 && index + 1 < text.size() && text[index].isHighSurrogate() &&
           text[index + 1].isLowSurrogate();
}

// The index just past count characters read forward from index from, at most the text's end.
qsizetype forward(const QString& text, qsizetype from, qint64 count)
{
    qsizetype index = from;
    for (; count > 0 && index < text.size(); --count)
        index += isPairAt(text, index) ? 2 : 1;
    return index;
}

// The index of the first of the last count characters, at least 0.
qsizetype backward(const QString& text, qint64 count)
{
    qsizetype index = text.size();
    for (; count > 0 && index > 0; --count)
        index -= isPairAt(text, index - 2) ? 2 : 1;
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
