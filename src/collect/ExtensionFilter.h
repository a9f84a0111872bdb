#pragma once

#include <QDir>
#include <QStringList>
#include <QStringView>

// The extension tests that end a collection. Both look at the file name only, so a dot in a
// folder name never passes for an extension. Order is kept; nothing is removed as a duplicate.

// After the file dialog and the folder scan: keeps the names whose last dot lies among their
// last five characters, that is extensions of one to four characters (a.c, a.xlsx). A name
// ending in "." stays here; the table build gives it no row.
void keepShortExtensions(QStringList& paths, QChar separator = QDir::separator());
// The same test on a file name alone.
bool hasShortExtension(QStringView name);

// After a drop: keeps extensions of exactly three or four characters (a.xls, a.jpeg), so
// a.c and a.py are removed as well.
void keepDropExtensions(QStringList& paths, QChar separator = QDir::separator());
