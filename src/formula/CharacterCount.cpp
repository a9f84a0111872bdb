#include "formula/CharacterCount.h"

#include "base/Utf16.h"

qsizetype characterCount(QStringView text)
{
    return Utf16::characterCount(text);
}

qsizetype characterIndex(QStringView text, qsizetype position)
{
    qsizetype i = 0;
    for (qsizetype counted = 1; counted < position && i < text.size(); ++counted)
        i = Utf16::nextBoundary(text, i);
    return i;
}

qsizetype characterPosition(QStringView text, qsizetype index)
{
    qsizetype position = 1;
    for (qsizetype i = 0; i < index && i < text.size(); i = Utf16::nextBoundary(text, i))
        ++position;
    return position;
}
