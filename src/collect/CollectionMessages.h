#pragma once

#include <QString>
#include <QStringList>

// What a collection tells the user about files it could not take.
namespace CollectionMessages {

// How many folders a message names; the rest are counted only.
inline constexpr qsizetype ListedFolders = 5;

// 有n个文件夹无法读取，其中的文件未列出, with the first few folders.
QString unreadableFolders(const QStringList& folders);
// Names from the file dialog that stand for no single file on disk.
QString unrecognisedNames(qsizetype count);
QString unrecognisedFolder();

} // namespace CollectionMessages
