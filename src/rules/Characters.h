#pragma once

#include <QString>
#include <QStringView>

// Pieces of a name counted in characters, not UTF-16 units: a character outside the Basic
// Multilingual Plane, such as an emoji, counts one like any other. Counts below 0 count as 0.

// The first count characters; the whole text if it has no more.
QString leftCharacters(const QString& text, qint64 count);
// The last count characters; the whole text if it has no more.
QString rightCharacters(const QString& text, qint64 count);
// count characters from the 1-based position start; fewer where the text ends before, none
// when start lies beyond its end.
QString midCharacters(const QString& text, qint64 start, qint64 count);

// The same pieces, as views of the text.
QStringView leftPiece(QStringView text, qint64 count);
QStringView rightPiece(QStringView text, qint64 count);
QStringView midPiece(QStringView text, qint64 start, qint64 count);
