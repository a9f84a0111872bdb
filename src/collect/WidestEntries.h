#pragma once

#include <QList>
#include <QStringList>

class CollectedFiles;

// The indexes of the entries that look widest, widest first and at most count of them, judged
// by character cells (a wide East Asian character takes two). Measuring only these few in a
// font is enough to size a list of any length for scrolling.
QList<qsizetype> widestEntries(const QStringList& entries, qsizetype count);
// The same over the paths of collected files, each folder counted once for all its files.
QList<qsizetype> widestEntries(const CollectedFiles& files, qsizetype count);
