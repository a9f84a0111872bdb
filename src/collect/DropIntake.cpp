#include "collect/DropIntake.h"

#include "base/NativeName.h"
#include "collect/FolderScan.h"

#include <QUrl>

QStringList gatherDrop(const QStringList& dropped, const WildcardPattern& pattern, QStringList* unreadable)
{
    QStringList files;
    QStringList folders;
    for (const QString& path : dropped) {
        if (path.isEmpty())
            continue;
        if (isFolderOnDisk(path))
            folders.append(path);
        else
            files.append(path);
    }
    for (auto it = folders.crbegin(); it != folders.crend(); ++it) {
        const QStringList missed = scanFolder(*it, pattern, files);
        if (unreadable)
            *unreadable += missed;
    }
    return files;
}

QString localPathOf(const QUrl& url)
{
    if (!url.isLocalFile())
        return {};
    // The decoded forms of QUrl replace bytes that are not UTF-8; the encoded one keeps them.
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return NativeName::fromBytes(bytes);
}
