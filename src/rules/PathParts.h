#pragma once

#include <QDir>
#include <QString>

// One collected path taken apart the way the rename table stores it.
struct PathParts
{
    QString name;           // the file name, after the last separator
    QString base;           // the name without its last dot and what follows
    QString dotext;         // the last dot and what follows, e.g. ".doc"
    QString directory;      // the path up to and including the last separator
    bool takesPart = false; // only a name with at least one character after its last dot gets a row

    static PathParts split(const QString& path, QChar separator = QDir::separator());
};

// The text after the last "." of the whole path, or the empty text when it holds none.
QString strFileShortNameSuf(const QString& path);
