#include "base/TextWidth.h"

#include "base/Utf16.h"

namespace {

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

} // namespace

int displayCells(QStringView text)
{
    int cells = 0;
    for (qsizetype i = 0; i < text.size();) {
        // Below the first wide character there are no surrogates either: most paths are
        // spelled there, and a collection measures every one of them.
        if (text[i].unicode() < 0x1100) {
            ++cells;
            ++i;
            continue;
        }
        cells += isWide(Utf16::codePointAt(text, i)) ? 2 : 1;
        i = Utf16::nextBoundary(text, i);
    }
    return cells;
}
