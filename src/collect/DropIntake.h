#pragma once

#include <QStringList>

class WildcardPattern;

// The paths a drop brings in, before the drop's extension test: the dropped files as they are,
// in drop order and never compared with the pattern; then the matches of the dropped folders,
// the last dropped folder's first, each scanned as scanFolder does. Whether a dropped path is
// a folder is asked of the file system, not read from the look of its name.
QStringList gatherDrop(const QStringList& dropped, const WildcardPattern& pattern);
