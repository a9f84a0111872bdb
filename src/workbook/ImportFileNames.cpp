#include "workbook/ImportFileNames.h"

#include <QFileInfo>
#include <QStringList>

namespace {

const QStringList& suffixes()
{
    static const QStringList list{QStringLiteral("xlsx"), QStringLiteral("ods"), QStringLiteral("csv"),
                                  QStringLiteral("tsv"), QStringLiteral("txt")};
    return list;
}

} // namespace

namespace ImportFileNames {

QString dialogPattern()
{
    QStringList patterns;
    for (const QString& suffix : suffixes())
        patterns << QStringLiteral("*.") + suffix;
    return patterns.join(u' ');
}

bool isImportable(const QString& path)
{
    return suffixes().contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

} // namespace ImportFileNames
