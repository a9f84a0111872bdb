#include "formula/CharacterCount.h"

namespace {

// The second half of a surrogate pair, which does not count as a character of its own.
bool isPairEnd(QStringView text, qsizetype i)
{
    return i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
}

} // namespace

qsizetype characterCount(QStringView text)
{
    return characterPosition(text, text.size()) - 1;
}

qsizetype characterIndex(QStringView text, qsizetype position)
{
    qsizetype i = 0;
    for (qsizetype counted = 1; counted < position && i < text.size(); ++counted)
        i += (i + 1 < text.size() && isPairEnd(text, i + 1)) ? 2 : 1;
    return i;
}

qsizetype characterPosition(QStringView text, qsizetype index)
{
    qsizetype position = 1;
    for (qsizetype i = 0; i < index && i < text.size(); ++i)
        if (!isPairEnd(text, i))
            ++position;
    return position;
}
