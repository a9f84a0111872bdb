#pragma once

#include <QStringView>

// Lengths and positions in characters, as rules/Characters.h cuts texts: a character outside
// the Basic Multilingual Plane, such as an emoji, counts one.

qsizetype characterCount(QStringView text);
// The code unit index at which the 1-based character position starts; the text's size when
// the position lies past its end.
qsizetype characterIndex(QStringView text, qsizetype position);
// The 1-based character position of the character starting at a code unit index.
qsizetype characterPosition(QStringView text, qsizetype index);
