#pragma once

#include <QString>

// Texts for message boxes, which must stay readable however long a path is.
namespace MessageText {

// A line of a message at most this many characters long.
inline constexpr qsizetype LineLength = 120;

// The text cut in its middle to at most maxCharacters, with "…" where the cut is; the start
// and the end of a path say the most. A character outside the basic plane is never split.
QString elideMiddle(const QString& text, qsizetype maxCharacters = LineLength);
// A path as a message shows it: bytes that are not text as \xHH, cut in the middle when long.
QString shownPath(const QString& path, qsizetype maxCharacters = LineLength);

} // namespace MessageText
