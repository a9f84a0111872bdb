#pragma once

#include "rename/PathKey.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

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
    // The hash of the name of every entry but "." and "..", as the program holds names (see
    // NativeName), in order. Hashes alone keep a listing of a million names small; two names
    // sharing a 64-bit hash are not to be met by chance, and the run checks the disk itself.
    std::vector<size_t> nameHashes;

    // folder: a full path with its trailing separator.
    static FolderListing read(const QString& folder);
    static QHash<QString, FolderListing> readAll(const QStringList& folders);

    // Whether the folder held an entry of that name; nameHash: PathKey::hashOf(name).
    bool holds(size_t nameHash) const
    {
        return state == State::Listed && std::binary_search(nameHashes.begin(), nameHashes.end(), nameHash);
    }
};
