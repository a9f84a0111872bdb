#include "collect/CollectionMessages.h"

#include "base/MessageText.h"

namespace CollectionMessages {

QString unreadableFolders(const QStringList& folders)
{
    QStringList lines{QStringLiteral("有%1个文件夹无法读取，其中的文件未列出").arg(folders.size())};
    for (qsizetype i = 0; i < std::min(folders.size(), ListedFolders); ++i)
        lines << MessageText::shownPath(folders[i]);
    if (folders.size() > ListedFolders)
        lines << QStringLiteral("……");
    return lines.join(u'\n');
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
