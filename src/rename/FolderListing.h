#pragma once

#include "rename/PathKey.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// The names one folder held when it was read: one reading answers whether any of its names is
// taken, where asking the disk name by name would cost a call each.
struct FolderListing
{
    enum class State
    {
        Listed,
        Missing,    // nothing of that name is there
        NotAFolder, // a file stands where the folder should be
        Unreadable, // there, but it does not tell what it holds
    };

    State state = State::Missing;
    // The name of every entry but "." and "..", as the program holds names (see NativeName).
    QSet<PathKey> names;

    // folder: a full path with its trailing separator.
    static FolderListing read(const QString& folder);
    static QHash<QString, FolderListing> readAll(const QStringList& folders);

    bool holds(const PathKey& name) const { return state == State::Listed && names.contains(name); }
};
