#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class WildcardPattern;

// Appends to found every file below folder whose name matches pattern: the folder's own files
// first, then depth first those of each subfolder; files and subfolders each in name order
// without regard to case, so numbering follows the names and every run gives the same order.
// Folders are never listed, links to folders are not followed, and a copy the program left
// unfinished is skipped. Names keep their exact bytes. A folder that cannot be read (no
// permission, or a path longer than the system takes) contributes nothing while the scan goes
// on; those folders come back, so the user can be told which files are missing.
QStringList scanFolder(const QString& folder, const WildcardPattern& pattern, QStringList& found);

// The same scan handing over each folder's matching names (a folder with its trailing separator,
// the names in order) instead of whole paths; take may keep, drop or move the names.
using FolderFiles = std::function<void(const QString& folder, std::vector<QString>& names)>;
QStringList scanFolder(const QString& folder, const WildcardPattern& pattern, const FolderFiles& take);

// Whether the path leads to a folder, by the exact bytes of its name.
bool isFolderOnDisk(const QString& path);
