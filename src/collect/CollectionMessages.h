#pragma once

#include <QString>
#include <QStringList>

// What a collection tells the user about files it could not take.
namespace CollectionMessages {

// How many folders a message names; the rest are counted only.
inline constexpr qsizetype ListedFolders = 5;

// 有n个文件夹无法读取，其中的文件未列出, with the first few folders.
QString unreadableFolders(const QStringList& folders);
// 有n个文件或文件夹不存在，未加入列表, with the first few of the paths named.
QString missingPaths(const QStringList& paths);
// Names from the file dialog that stand for no single file on disk.
QString unrecognisedNames(qsizetype count);
QString unrecognisedFolder();

} // namespace CollectionMessages
