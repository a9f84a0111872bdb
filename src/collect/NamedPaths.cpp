#include "collect/NamedPaths.h"

#include "base/NativeName.h"

#include <QDir>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool namesSomething(const QString& path)
{
    const std::optional<QByteArray> bytes = NativeName::toBytes(path);
    struct stat st;
    return bytes && ::lstat(bytes->constData(), &st) == 0;
}

} // namespace

NamedPaths sortNamedPaths(const QStringList& named, const QString& workingFolder)
{
    NamedPaths sorted;
    for (const QString& path : named) {
        if (path.isEmpty())
            continue;
        // cleanPath looks only at separators and dots, so escaped bytes pass it unchanged.
        const QString absolute = QDir::cleanPath(path.startsWith(u'/') ? path : workingFolder + u'/' + path);
        (namesSomething(absolute) ? sorted.present : sorted.missing).append(absolute);
    }
    return sorted;
}

QString workingFolder()
{
    // QDir::currentPath decodes the bytes and loses those that are not UTF-8.
    QByteArray buffer(4096, Qt::Uninitialized);
    while (!::getcwd(buffer.data(), size_t(buffer.size()))) {
        if (errno != ERANGE)
            return QDir::currentPath();
        buffer.resize(buffer.size() * 2);
    }
    return NativeName::fromBytes(buffer.constData());
}
