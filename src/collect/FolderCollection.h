#pragma once

#include "collect/CollectedFiles.h"

#include <QString>
#include <QStringList>

class WildcardPattern;

// What 选择目录 collects from a folder: the files the scan finds (see scanFolder) whose names
// have an extension of one to four characters, taken folder by folder, and the folders it could
// not read.
struct FolderCollection
{
    CollectedFiles files;
    QStringList unreadable;
};

FolderCollection collectFolder(const QString& folder, const WildcardPattern& pattern);
