#include "workbook/StringItem.h"

#include "workbook/XmlScanner.h"

#include <QRegularExpression>

namespace StringItem {

bool read(XmlScanner& xml, QString& text)
{
    using Token = XmlScanner::Token;
    const int depth = xml.depth();
    QString raw;
    for (;;) {
        const Token token = xml.next();
        if (token == Token::EndElement && xml.depth() < depth)
            break;
        if (token == Token::StartElement) {
            // Runs (<r>) are entered; their formats, and phonetic guides, are not text.
            const QByteArrayView name = xml.name();
            if (name == "t") {
                if (!xml.readElementText(raw))
                    return false;
            } else if (name != "r" && !xml.skipElement()) {
                return false;
            }
        } else if (token != Token::Text && token != Token::EndElement) {
            return false;
        }
    }
    text += decodeEscapes(raw);
    return true;
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
