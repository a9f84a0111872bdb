#include "collect/FolderCollection.h"

#include "collect/ExtensionFilter.h"
#include "collect/FolderScan.h"

FolderCollection collectFolder(const QString& folder, const WildcardPattern& pattern)
{
    // A million files never stand as a million whole paths: each folder is kept once.
    FolderCollection collection;
    collection.unreadable =
        scanFolder(folder, pattern, [&collection](const QString& current, std::vector<QString>& names) {
            std::erase_if(names, [](const QString& name) { return !hasShortExtension(name); });
            collection.files.appendFolder(current, names);
        });
    collection.files.squeeze();
    return collection;
}
