#pragma once

#include <QStringView>
#include <QtGlobal>

// The piece of an old base name that becomes the name source: the first or the last count
// characters, or count characters from the 1-based position start.
struct NamePiece
{
    enum class From
    {
        Left,
        Right,
        Middle
    };

    From from = From::Left;
    qint64 count = 0;
    qint64 start = 1; // only for a piece from the middle

    // A negative count or a start before the first character cuts nothing.
    bool isValid() const { return count >= 0 && start >= 1; }
    QStringView cutFrom(QStringView name) const;
};
