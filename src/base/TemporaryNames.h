#pragma once

#include <QString>
#include <QStringView>

// Names the program gives files for a moment, in the folder they belong to. Both start with
// ".renvora-", so they are hidden in file managers and tell at a glance whose they are.
namespace TemporaryNames {

// How often a fresh name is drawn when the one drawn is taken.
inline constexpr int Attempts = 16;

// A file stepping aside while a cycle of renames runs: the user's own file, under another name.
QString parking();
// A copy still being written; it takes its real name only once it is complete, so one cut
// off by a crash keeps this name and is never taken for a finished copy.
QString partialCopy();
bool isPartialCopy(QStringView name);

// Tries names drawn by draw (parking or partialCopy) until one is free, at most Attempts times:
// tryName makes its attempt with the name, such as a rename that replaces nothing, and answers
// whether the name was taken. Returns the last name tried.
template <typename TryName> QString tryFreshNames(QString (*draw)(), TryName tryName)
{
    QString name;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        name = draw();
        if (!tryName(name))
            break;
    }
    return name;
}

} // namespace TemporaryNames
