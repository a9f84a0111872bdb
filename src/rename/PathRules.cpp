#include "rename/PathRules.h"

#include <QDir>

namespace PathRules {

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == QDir::separator();
}

#ifdef Q_OS_WIN
bool isReservedDeviceName(QStringView name)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const qsizetype dot = name.indexOf(u'.');
    const QString stem = (dot < 0 ? name : name.first(dot)).trimmed().toString().toUpper();
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 &&
           (stem.startsWith(QStringLiteral("COM")) || stem.startsWith(QStringLiteral("LPT"))) &&
           stem[3] >= u'1' && stem[3] <= u'9';
}
#endif

} // namespace

bool isFullPath(QStringView path)
{
#ifdef Q_OS_WIN
    // A drive with its root (C:\) or a network share (\\server\share); "C:x" and "\x" depend
    // on the current drive and folder.
    if (path.size() >= 3 && path[0].isLetter() && path[1] == u':' && isSeparator(path[2]))
        return true;
    return path.size() >= 3 && isSeparator(path[0]) && isSeparator(path[1]);
#else
    return path.startsWith(u'/');
#endif
}

bool isAcceptableFileName(QStringView name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (QChar c : name) {
        if (isSeparator(c) || c.unicode() == 0)
            return false;
#ifdef Q_OS_WIN
        if (c.unicode() < 32 || QStringView(u"<>:\"|?*").contains(c))
            return false;
#endif
    }
#ifdef Q_OS_WIN
    if (name.endsWith(u'.') || name.endsWith(u' ') || isReservedDeviceName(name))
        return false;
#endif
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
