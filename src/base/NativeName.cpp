#include "base/NativeName.h"

#include "base/Utf16.h"

#include <QUtf8StringView>

namespace NativeName {

namespace {

constexpr char16_t RawByteBase = 0xDC00; // a raw byte b (0x80 to 0xFF) is kept as U+DC00 + b

bool isRawByte(QStringView text, qsizetype i)
{
    const char16_t c = text[i].unicode();
    return c >= RawByteBase + 0x80 && c <= RawByteBase + 0xFF && (i == 0 || !text[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at i, 0 when the byte there starts none. Overlong
// forms, encoded surrogates and code points beyond U+10FFFF are not valid.
qsizetype validSequence(QByteArrayView bytes, qsizetype i, char32_t& codePoint)
{
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = at(i);
    qsizetype length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (at(i + k) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool isAscii(QByteArrayView bytes)
{
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    return true;
}

} // namespace

// Written over the raw units, without an early exit, so the compiler can test many at once:
// almost every name has no surrogate at all, and the forecast asks this of every path.
bool hasSurrogates(QStringView text)
{
    const char16_t* units = text.utf16();
    char16_t found = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        found |= char16_t((units[i] & 0xF800) == 0xD800);
    return found != 0;
}

QString fromBytes(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    if (QUtf8StringView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        const qsizetype length = validSequence(bytes, i, c);
        if (length == 0) {
            text += QChar(char16_t(RawByteBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else {
            text += QChar(char16_t(c));
        }
        i += length;
    }
    return text;
}

std::optional<QByteArray> toBytes(QStringView text)
{
    // Almost every name is text: Qt's own encoder is the fast road for it.
    if (!hasSurrogates(text))
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size() + text.size() / 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x80) {
            bytes += char(c.unicode());
        } else if (Utf16::isPairAt(text, i)) {
            appendUtf8(bytes, QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else if (isRawByte(text, i)) {
            bytes += char(c.unicode() - RawByteBase);
        } else if (c.isSurrogate()) {
            return std::nullopt;
        } else {
            appendUtf8(bytes, c.unicode());
        }
    }
    return bytes;
}

bool isEncodable(QStringView text)
{
    if (!hasSurrogates(text))
        return true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isSurrogate())
            continue;
        if (Utf16::isPairAt(text, i))
            ++i;
        else if (!isRawByte(text, i))
            return false;
    }
    return true;
}

bool hasRawBytes(QStringView text)
{
    if (!hasSurrogates(text))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLowSurrogate() && isRawByte(text, i))
            return true;
    return false;
}

QString display(const QString& text)
{
    if (!hasRawBytes(text))
        return text;
    QString shown;
    shown.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRawByte(text, i))
            shown += QStringLiteral("\\x") + QString::number(text[i].unicode() - RawByteBase, 16).toUpper();
        else
            shown += text[i];
    }
    return shown;
}

QString canonical(const QString& text)
{
    if (!hasRawBytes(text))
        return text;
    const std::optional<QByteArray> bytes = toBytes(text);
    return bytes ? fromBytes(*bytes) : text;
}

} // namespace NativeName
