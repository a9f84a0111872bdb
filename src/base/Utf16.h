#pragma once

#include <QStringView>

// Steps through a text character by character. A character outside the Basic Multilingual
// Plane, such as an emoji or a rare Chinese character, is a pair of UTF-16 units and counts one;
// a unit of a pair standing alone counts one as well.
namespace Utf16 {

// Whether a pair starts at the index.
inline bool isPairAt(QStringView text, qsizetype index)
{
    return index >= 0 && index + 1 < text.size() && text[index].isHighSurrogate() &&
           text[index + 1].isLowSurrogate();
}

// The index just past the character that starts at the index.
inline qsizetype nextBoundary(QStringView text, qsizetype index)
{
    return index + (isPairAt(text, index) ? 2 : 1);
}

// The index at which the character that ends just before the index starts.
inline qsizetype previousBoundary(QStringView text, qsizetype index)
{
    return index - (isPairAt(text, index - 2) ? 2 : 1);
}

// The index itself, or the start of the pair when it points at the pair's second half.
inline qsizetype boundaryAtOrBefore(QStringView text, qsizetype index)
{
    return isPairAt(text, index - 1) ? index - 1 : index;
}

// The code point of the character that starts at the index.
inline char32_t codePointAt(QStringView text, qsizetype index)
{
    return isPairAt(text, index) ? QChar::surrogateToUcs4(text[index], text[index + 1])
                                 : char32_t(text[index].unicode());
}

inline qsizetype characterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); i = nextBoundary(text, i))
        ++count;
    return count;
}

} // namespace Utf16
