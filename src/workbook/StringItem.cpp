#include "workbook/StringItem.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace StringItem {

QString read(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.readElementText();
        } else if (xml.name() == u"r") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return decodeEscapes(text);
}

QString decodeEscapes(const QString& text)
{
    if (!text.contains(QStringLiteral("_x")))
        return text;
    static const QRegularExpression escaped(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString decoded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : escaped.globalMatch(text)) {
        decoded += QStringView(text).mid(from, match.capturedStart() - from);
        decoded += QChar(char16_t(match.capturedView(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded;
}

} // namespace StringItem
