#include "facts/LegacyTagText.h"

#include <QStringDecoder>

QString legacyTagText(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii) {
        QStringDecoder gb18030("GB18030", QStringConverter::Flag::Stateless);
        const QString text = gb18030(bytes);
        if (gb18030.isValid() && !gb18030.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}
