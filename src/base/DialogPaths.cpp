#include "base/DialogPaths.h"

#include "base/NativeName.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>

namespace {

constexpr QChar Replacement(0xFFFD);

// The one entry of the folder whose name the dialog would show as shown.
std::optional<QString> entryShownAs(const QString& folder, const QString& shown)
{
    const std::optional<QByteArray> path =
        NativeName::toBytes(folder.isEmpty() ? QStringLiteral("/") : folder);
    DIR* dir = path ? opendir(path->constData()) : nullptr;
    if (!dir)
        return std::nullopt;
    std::optional<QString> found;
    int matches = 0;
    while (const dirent* entry = readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == shown && ++matches == 1)
            found = NativeName::fromBytes(entry->d_name);
    }
    closedir(dir);
    return matches == 1 ? found : std::nullopt;
}

} // namespace

std::optional<QString> exactPathOf(const QString& chosen)
{
    if (!chosen.contains(Replacement))
        return chosen;
    const QStringList parts = chosen.split(u'/');
    QString exact = parts.front();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.contains(Replacement)) {
            const std::optional<QString> entry = entryShownAs(exact, part);
            if (!entry)
                return std::nullopt;
            exact += u'/' + *entry;
        } else {
            exact += u'/' + part;
        }
    }
    return exact;
}
