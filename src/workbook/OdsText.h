#pragma once

#include <QString>

class QXmlStreamReader;

// The text of an .ods paragraph (text:p), as the cell shows it.
namespace OdsText {
// Appends the text of the paragraph the reader is at and leaves the reader at its end: runs
// of spaces (text:s), tabs and line breaks as the characters they stand for, styled spans as
// their text, notes and ruby annotations left out. Stops growing text once it passes limit.
void readParagraph(QXmlStreamReader& xml, QString& text, qsizetype limit);
} // namespace OdsText
