#include "collect/DropIntake.h"

#include "collect/FolderScan.h"

#include <QFileInfo>

QStringList gatherDrop(const QStringList& dropped, const WildcardPattern& pattern)
{
    QStringList files;
    QStringList folders;
    for (const QString& path : dropped) {
        if (path.isEmpty())
            continue;
        if (QFileInfo(path).isDir())
            folders.append(path);
        else
            files.append(path);
    }
    for (auto it = folders.crbegin(); it != folders.crend(); ++it)
        scanFolder(*it, pattern, files);
    return files;
}
