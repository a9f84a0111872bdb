#include "rules/PathParts.h"

PathParts PathParts::split(const QString& path, QChar separator)
{
    PathParts parts;
    const qsizetype nameStart = path.lastIndexOf(separator) + 1;
    parts.name = path.mid(nameStart);
    parts.directory = path.left(nameStart);
    // A dot in a folder name does not make an extension: such a file gets no row.
    const qsizetype dot = parts.name.lastIndexOf(u'.');
    if (dot < 0 || dot == parts.name.size() - 1)
        return parts;
    parts.base = parts.name.left(dot);
    parts.dotext = parts.name.mid(dot);
    parts.takesPart = true;
    return parts;
}

QString strFileShortNameSuf(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? QString() : path.mid(dot + 1);
}
