#pragma once

#include <QStringList>

class QUrl;
class WildcardPattern;

// The paths a drop brings in, before the drop's extension test: the dropped files as they are,
// in drop order and never compared with the pattern; then the matches of the dropped folders,
// the last dropped folder's first, each scanned as scanFolder does. Whether a dropped path is
// a folder is asked of the file system, not read from the look of its name. Folders the scans
// could not read are added to unreadable.
QStringList gatherDrop(const QStringList& dropped, const WildcardPattern& pattern,
                       QStringList* unreadable = nullptr);

// The local path a dropped URL names, with the exact bytes a file manager sent: a name that is
// not UTF-8 keeps them. Empty for anything but a local file.
QString localPathOf(const QUrl& url);
