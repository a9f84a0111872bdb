#include "rename/FolderListing.h"

#include "base/NativeName.h"
#include "base/ParallelSlices.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <vector>

namespace {

// The hash of a name read from the disk, as PathKey::hashOf gives it for the name's text; a
// plain name is hashed without being made into a text of its own.
size_t hashOfName(QByteArrayView bytes)
{
    QVarLengthArray<char16_t, 256> text;
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return PathKey::hashOf(NativeName::fromBytes(bytes));
        text.append(char16_t(byte));
    }
    return PathKey::hashOf(QStringView(text.constData(), text.size()));
}

} // namespace

FolderListing FolderListing::read(const QString& folder)
{
    FolderListing listing;
    const std::optional<QByteArray> path = NativeName::toBytes(folder);
    if (!path)
        return listing;
    DIR* dir = opendir(path->constData());
    if (!dir) {
        listing.state = errno == ENOENT    ? State::Missing
                        : errno == ENOTDIR ? State::NotAFolder
                                           : State::Unreadable;
        return listing;
    }
    listing.state = State::Listed;
    while (const dirent* entry = readdir(dir)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        listing.nameHashes.push_back(hashOfName(QByteArrayView(name)));
    }
    closedir(dir);
    std::sort(listing.nameHashes.begin(), listing.nameHashes.end());
    return listing;
}

QHash<QString, FolderListing> FolderListing::readAll(const QStringList& folders)
{
    // Folders are read side by side, each into its own place.
    std::vector<FolderListing> listed(folders.size());
    forEachSliceInParallel(folders.size(), 1, [&](qsizetype first, qsizetype end) {
        for (qsizetype i = first; i < end; ++i)
            listed[i] = read(folders[i]);
    });
    QHash<QString, FolderListing> listings;
    listings.reserve(folders.size());
    // Moved, not copied as insert() would: the hashes of a million names are 8 MB.
    for (qsizetype i = 0; i < folders.size(); ++i)
        listings.emplace(folders[i], std::move(listed[i]));
    return listings;
}
