#pragma once

#include <QList>

class CollectedFiles;

// The indexes of the entries that look widest, widest first and at most count of them, judged
// by character cells (a wide East Asian character takes two). Measuring only these few in a
// font is enough to size a list of any length for scrolling.
// The paths of the collected files are the entries; each folder is counted once for all its files.
QList<qsizetype> widestEntries(const CollectedFiles& files, qsizetype count);
