#pragma once

#include <QDir>
#include <QString>
#include <QStringView>

// One collected path taken apart the way the rename table stores it. The parts are views into
// the path, which must outlive them.
struct PathParts
{
    QStringView name;       // the file name, after the last separator
    QStringView base;       // the name without its last dot and what follows
    QStringView dotext;     // the last dot and what follows, e.g. ".doc"
    QStringView directory;  // the path up to and including the last separator
    bool takesPart = false; // only a name with at least one character after its last dot gets a row

    static PathParts split(QStringView path, QChar separator = QDir::separator());
};
