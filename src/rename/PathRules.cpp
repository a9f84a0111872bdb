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

} // namespace PathRules
