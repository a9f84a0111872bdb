#pragma once

#include <QStringList>

// The files and folders named on the command line, made absolute against the working folder
// (a shell passes them as typed) and set apart by whether they name anything on disk.
struct NamedPaths
{
    QStringList present;
    QStringList missing;
};

NamedPaths sortNamedPaths(const QStringList& named, const QString& workingFolder);

// The working folder with its exact bytes.
QString workingFolder();
