#include "base/MessageText.h"

#include "base/NativeName.h"
#include "base/Utf16.h"

namespace MessageText {

QString elideMiddle(const QString& text, qsizetype maxCharacters)
{
    if (text.size() <= maxCharacters || maxCharacters < 3)
        return text;
    const qsizetype kept = maxCharacters - 1;
    // A cut never falls between the two halves of a pair.
    const qsizetype head = Utf16::boundaryAtOrBefore(text, (kept + 1) / 2);
    const qsizetype tail = text.size() - Utf16::boundaryAtOrBefore(text, text.size() - kept / 2);
    return text.first(head) + QChar(0x2026) + text.last(tail);
}

QString shownPath(const QString& path, qsizetype maxCharacters)
{
    return elideMiddle(NativeName::display(path), maxCharacters);
}

} // namespace MessageText
