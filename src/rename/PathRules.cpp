#include "rename/PathRules.h"

#include <QDir>

namespace PathRules {

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

} // namespace

bool isFullPath(QStringView path)
{
    return path.startsWith(u'/');
}

bool isAcceptableFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name) {
        if (isSeparator(c) || c.unicode() == 0)
            return false;
    }
    return true;
}

bool endsWithSeparator(QStringView path)
{
    return !path.isEmpty() && isSeparator(path.back());
}

QString folderOf(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]))
            return path.left(i + 1);
    }
    return {};
}

} // namespace PathRules
