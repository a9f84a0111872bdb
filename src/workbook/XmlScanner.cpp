#include "workbook/XmlScanner.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr qint64 ReadBytes = 256 * 1024;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

QByteArrayView localPart(QByteArrayView name)
{
    const qsizetype colon = name.lastIndexOf(':');
    return colon < 0 ? name : name.sliced(colon + 1);
}

// Text as XML hands it over: a CR, alone or before an LF, is a line feed.
void appendUtf8(QString& text, QByteArrayView bytes)
{
    if (!bytes.contains('\r')) {
        text += QString::fromUtf8(bytes.data(), bytes.size());
        return;
    }
    QByteArray lines = bytes.toByteArray();
    lines.replace("\r\n", "\n").replace('\r', '\n');
    text += QString::fromUtf8(lines);
}

// "lt", "#20013", "#x4E2D": the character an entity stands for; nothing for one XML lacks.
bool appendEntity(QString& text, QByteArrayView entity)
{
    static constexpr std::pair<const char*, char16_t> Named[] = {
        {"lt", u'<'}, {"gt", u'>'}, {"amp", u'&'}, {"quot", u'"'}, {"apos", u'\''}};
    for (const auto& [name, character] : Named) {
        if (entity == name) {
            text += QChar(character);
            return true;
        }
    }
    if (entity.size() < 2 || entity[0] != '#')
        return false;
    const bool hex = entity[1] == 'x';
    bool ok = false;
    const uint code = entity.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return false;
    const char32_t character = code;
    text += QStringView(QChar::fromUcs4(character));
    return true;
}

bool appendDecoded(QString& text, QByteArrayView raw)
{
    for (qsizetype at = 0; at < raw.size();) {
        const qsizetype amp = raw.indexOf('&', at);
        appendUtf8(text, raw.sliced(at, (amp < 0 ? raw.size() : amp) - at));
        if (amp < 0)
            break;
        const qsizetype semicolon = raw.indexOf(';', amp);
        if (semicolon < 0 || !appendEntity(text, raw.sliced(amp + 1, semicolon - amp - 1)))
            return false;
        at = semicolon + 1;
    }
    return true;
}

} // namespace

XmlScanner::XmlScanner(QIODevice& device) : m_device(device) {}

bool XmlScanner::fill(qsizetype bytes)
{
    while (m_buffer.size() - m_at < bytes) {
        if (m_deviceEnded)
            return false;
        // What lies before the current token is done with.
        if (m_at > 0) {
            m_buffer.remove(0, m_at);
            m_at = 0;
        }
        const qsizetype had = m_buffer.size();
        const qint64 wanted = std::max<qint64>(ReadBytes, bytes - had);
        m_buffer.resize(had + wanted);
        const qint64 read = m_device.read(m_buffer.data() + had, wanted);
        m_buffer.resize(had + std::max<qint64>(read, 0));
        if (read <= 0)
            m_deviceEnded = true;
    }
    return true;
}

// Where what starts, from the current token's start, reading on as needed; -1 when the part
// ends first.
qsizetype XmlScanner::find(QByteArrayView what, qsizetype from)
{
    for (;;) {
        const qsizetype found = QByteArrayView(m_buffer).sliced(m_at).indexOf(what, from);
        if (found >= 0)
            return found;
        const qsizetype available = m_buffer.size() - m_at;
        from = std::max<qsizetype>(from, available - what.size() + 1);
        if (!fill(available + 1))
            return -1;
    }
}

XmlScanner::Token XmlScanner::skipPast(QByteArrayView end, qsizetype from)
{
    const qsizetype found = find(end, from);
    if (found < 0)
        return Token::Malformed;
    m_at += found + end.size();
    return Token::Text; // anything but an error: the caller goes on
}

XmlScanner::Token XmlScanner::next()
{
    m_token = [this] {
        if (m_emptyElement) {
            m_emptyElement = false;
            --m_depth;
            return Token::EndElement;
        }
        for (;;) {
            if (!fill(1))
                return m_rootSeen && m_depth == 0 ? Token::End : Token::Malformed;
            const char* data = m_buffer.constData() + m_at;
            if (data[0] != '<') {
                const qsizetype end = find("<", 0);
                const qsizetype length = end < 0 ? m_buffer.size() - m_at : end;
                const QByteArrayView text(m_buffer.constData() + m_at, length);
                m_at += length;
                if (m_depth == 0) {
                    // Outside the root only blanks may stand, and a byte order mark before it.
                    QByteArrayView outside = text;
                    if (!m_rootSeen && outside.startsWith("\xEF\xBB\xBF"))
                        outside = outside.sliced(3);
                    for (char c : outside)
                        if (!isSpace(c))
                            return Token::Malformed;
                    continue;
                }
                m_text = text;
                m_textIsRaw = false;
                return Token::Text;
            }
            if (!fill(2))
                return Token::Malformed;
            const char second = m_buffer[m_at + 1];
            if (second == '?' || second == '!') {
                fill(9);
                const QByteArrayView start = QByteArrayView(m_buffer).sliced(m_at);
                Token skipped = Token::Malformed;
                if (second == '?')
                    skipped = skipPast("?>", 2);
                else if (start.startsWith("<!--"))
                    skipped = skipPast("-->", 4);
                else if (start.startsWith("<![CDATA[") && m_depth > 0) {
                    const qsizetype end = find("]]>", 9);
                    if (end < 0)
                        return Token::Malformed;
                    m_text = QByteArrayView(m_buffer.constData() + m_at + 9, end - 9);
                    m_textIsRaw = true;
                    m_at += end + 3;
                    return Token::Text;
                } else if (start.startsWith("<!DOCTYPE") || start.startsWith("<!ENTITY"))
                    return Token::Unsafe;
                if (skipped == Token::Malformed)
                    return Token::Malformed;
                continue;
            }
            return second == '/' ? endTag() : startTag();
        }
    }();
    return m_token;
}

XmlScanner::Token XmlScanner::endTag()
{
    const qsizetype close = find(">", 2);
    if (close < 0 || m_depth == 0)
        return Token::Malformed;
    QByteArrayView name(m_buffer.constData() + m_at + 2, close - 2);
    while (!name.isEmpty() && isSpace(name.back()))
        name.chop(1);
    const QByteArray& open = m_openNames[m_depth - 1];
    if (name != QByteArrayView(open))
        return Token::Malformed;
    --m_depth;
    m_name = localPart(QByteArrayView(open));
    m_at += close + 1;
    return Token::EndElement;
}

XmlScanner::Token XmlScanner::startTag()
{
    if (m_rootSeen && m_depth == 0)
        return Token::Malformed;
    // Offsets from the tag's start: reading on may move the bytes.
    Span name;
    std::vector<std::pair<Span, Span>>& attributes = m_spans;
    attributes.clear();
    qsizetype i = 1;
    const auto at = [&](qsizetype offset) -> int {
        if (m_at + offset < m_buffer.size() || fill(offset + 1))
            return int(uchar(m_buffer[m_at + offset]));
        return -1;
    };
    const auto readName = [&](Span& span) {
        span.from = i;
        for (int c = at(i); c > 0 && !isSpace(char(c)) && c != '/' && c != '>' && c != '=' && c != '<';
             c = at(++i)) {
        }
        span.size = i - span.from;
        return span.size > 0;
    };
    const auto skipSpaces = [&] {
        for (int c = at(i); c > 0 && isSpace(char(c)); c = at(++i)) {
        }
    };
    if (!readName(name))
        return Token::Malformed;
    bool empty = false;
    for (;;) {
        skipSpaces();
        const int c = at(i);
        if (c == '>') {
            ++i;
            break;
        }
        if (c == '/') {
            if (at(i + 1) != '>')
                return Token::Malformed;
            i += 2;
            empty = true;
            break;
        }
        Span key;
        if (c < 0 || !readName(key))
            return Token::Malformed;
        skipSpaces();
        if (at(i) != '=')
            return Token::Malformed;
        ++i;
        skipSpaces();
        const int quote = at(i);
        if (quote != '"' && quote != '\'')
            return Token::Malformed;
        const qsizetype close = find(QByteArrayView(reinterpret_cast<const char*>(&quote), 1), i + 1);
        if (close < 0)
            return Token::Malformed;
        attributes.push_back({key, {i + 1, close - i - 1}});
        i = close + 1;
    }

    const char* tag = m_buffer.constData() + m_at;
    const auto view = [tag](Span span) { return QByteArrayView(tag + span.from, span.size); };
    m_attributes.clear();
    for (const auto& [key, value] : attributes) {
        if (view(value).contains('<'))
            return Token::Malformed;
        // Namespace declarations are no attributes of the element's own.
        if (!view(key).startsWith("xmlns"))
            m_attributes.emplace_back(localPart(view(key)), view(value));
    }
    const QByteArrayView qualified = view(name);
    if (m_depth == int(m_openNames.size()))
        m_openNames.emplace_back();
    QByteArray& open = m_openNames[m_depth];
    open.resize(qualified.size());
    std::memcpy(open.data(), qualified.data(), qualified.size());
    ++m_depth;
    m_rootSeen = true;
    m_name = localPart(qualified);
    m_emptyElement = empty;
    m_at += i;
    return Token::StartElement;
}

QByteArrayView XmlScanner::attribute(QByteArrayView localName) const
{
    for (const auto& [key, value] : m_attributes)
        if (key == localName)
            return value.isNull() ? QByteArrayView("") : value;
    return {};
}

QString XmlScanner::attributeText(QByteArrayView localName) const
{
    QString text;
    if (!appendDecoded(text, attribute(localName)))
        return {};
    return text;
}

bool XmlScanner::appendText(QString& text) const
{
    if (m_textIsRaw) {
        appendUtf8(text, m_text);
        return true;
    }
    return appendDecoded(text, m_text);
}

bool XmlScanner::readElementText(QString& text)
{
    for (;;) {
        switch (next()) {
        case Token::Text:
            if (!appendText(text))
                return false;
            break;
        case Token::EndElement:
            return true;
        default:
            return false;
        }
    }
}

bool XmlScanner::skipElement()
{
    const int depth = m_depth;
    for (;;) {
        const Token token = next();
        if (token == Token::EndElement && m_depth < depth)
            return true;
        if (token == Token::End || token == Token::Malformed || token == Token::Unsafe)
            return false;
    }
}
