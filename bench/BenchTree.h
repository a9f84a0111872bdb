#pragma once

#include <QString>
#include <QStringList>

// A tree of small files like a photo archive: folders of 1,000 files, mostly .jpg with some
// other extensions, a few subfolders, Chinese names among them.
struct BenchTree
{
    QString root;
    QStringList files; // every file, in no particular order
    qsizetype jpgCount = 0;

    static BenchTree create(const QString& root, qsizetype fileCount);
};
