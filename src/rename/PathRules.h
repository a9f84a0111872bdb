#pragma once

#include <QString>

// What the run demands of the folders and names in the table before it touches a file.
namespace PathRules {

// An absolute path, never one that depends on the program's working folder.
bool isFullPath(QStringView path);
// A name for one file in one folder: no separator, nothing the platform refuses.
bool isAcceptableFileName(QStringView name);
bool endsWithSeparator(QStringView path);

} // namespace PathRules
