#include "collect/CollectionMessages.h"

#include "base/MessageText.h"

namespace CollectionMessages {

namespace {

// The heading, then the first few paths, one to a line.
QString listed(const QString& heading, const QStringList& paths)
{
    QStringList lines{heading};
    for (qsizetype i = 0; i < std::min(paths.size(), ListedFolders); ++i)
        lines << MessageText::shownPath(paths[i]);
    if (paths.size() > ListedFolders)
        lines << QStringLiteral("……");
    return lines.join(u'\n');
}

} // namespace

QString unreadableFolders(const QStringList& folders)
{
    return listed(QStringLiteral("有%1个文件夹无法读取，其中的文件未列出").arg(folders.size()), folders);
}

QString missingPaths(const QStringList& paths)
{
    return listed(QStringLiteral("有%1个文件或文件夹不存在，未加入列表").arg(paths.size()), paths);
}

QString unrecognisedNames(qsizetype count)
{
    return QStringLiteral(
               "有%1个文件的名称含有无法识别的字节，未能加入列表；请把它们拖放到列表中，或用选择目录加入")
        .arg(count);
}

QString unrecognisedFolder()
{
    return QStringLiteral("所选目录的名称含有无法识别的字节，请把该目录拖放到列表中");
}

} // namespace CollectionMessages
