#include "collect/ExtensionFilter.h"

#include "base/Utf16.h"

namespace {

// Characters after the last dot of the path's file name; -1 when the name has no dot among its
// last five characters.
int charactersAfterDot(QStringView path, QChar separator)
{
    int characters = 0;
    for (qsizetype i = path.size(); i > 0 && characters < 5;) {
        i = Utf16::previousBoundary(path, i);
        const QChar c = path[i];
        if (c == separator)
            return -1;
        if (c == u'.')
            return characters;
        ++characters;
    }
    return -1;
}

} // namespace

bool hasShortExtension(QStringView name)
{
    // No name holds the folder separator.
    return charactersAfterDot(name, u'/') >= 0;
}

void keepShortExtensions(QStringList& paths, QChar separator)
{
    paths.removeIf([separator](const QString& path) { return charactersAfterDot(path, separator) < 0; });
}

void keepDropExtensions(QStringList& paths, QChar separator)
{
    paths.removeIf([separator](const QString& path) {
        const int after = charactersAfterDot(path, separator);
        return after != 3 && after != 4;
    });
}
