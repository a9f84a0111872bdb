#include "rules/PathParts.h"

PathParts PathParts::split(QStringView path, QChar separator)
{
    PathParts parts;
    const qsizetype nameStart = path.lastIndexOf(separator) + 1;
    parts.name = path.sliced(nameStart);
    parts.directory = path.first(nameStart);
    // A dot in a folder name does not make an extension: such a file gets no row.
    const qsizetype dot = parts.name.lastIndexOf(u'.');
    if (dot < 0 || dot == parts.name.size() - 1)
        return parts;
    parts.base = parts.name.first(dot);
    parts.dotext = parts.name.sliced(dot);
    parts.takesPart = true;
    return parts;
}
