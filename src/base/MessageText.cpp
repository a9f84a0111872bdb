#include "base/MessageText.h"

#include "base/NativeName.h"

namespace MessageText {

namespace {

// Moves a cut off the second half of a surrogate pair.
qsizetype cutBefore(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate() ? at - 1
                                                                                                       : at;
}

} // namespace

QString elideMiddle(const QString& text, qsizetype maxCharacters)
{
    if (text.size() <= maxCharacters || maxCharacters < 3)
        return text;
    const qsizetype kept = maxCharacters - 1;
    const qsizetype head = cutBefore(text, (kept + 1) / 2);
    const qsizetype tail = text.size() - cutBefore(text, text.size() - kept / 2);
    return text.first(head) + QChar(0x2026) + text.last(tail);
}

QString shownPath(const QString& path, qsizetype maxCharacters)
{
    return elideMiddle(NativeName::display(path), maxCharacters);
}

} // namespace MessageText
