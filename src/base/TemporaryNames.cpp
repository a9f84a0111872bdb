#include "base/TemporaryNames.h"

#include <QRandomGenerator>

namespace TemporaryNames {

namespace {

const QString Prefix = QStringLiteral(".renvora-");
const QString PartialCopySuffix = QStringLiteral(".part");

QString drawn(const QString& suffix)
{
    return Prefix + QStringLiteral("%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0')) +
           suffix;
}

} // namespace

QString parking()
{
    return drawn(QStringLiteral(".tmp"));
}

QString partialCopy()
{
    return drawn(PartialCopySuffix);
}

bool isPartialCopy(QStringView name)
{
    return name.startsWith(Prefix) && name.endsWith(PartialCopySuffix);
}

} // namespace TemporaryNames
