#include "formula/NumberFormat.h"

#include "formula/ValueText.h"

#include <cmath>

namespace {

using Kind = FormatPiece::Kind;

// Excel's limit; more decimal places than a double holds add nothing.
constexpr int MaxDecimals = 30;

qsizetype runLength(QStringView code, qsizetype at)
{
    qsizetype end = at;
    while (end < code.size() && code[end].toLower() == code[at].toLower())
        ++end;
    return end - at;
}

bool startsWith(QStringView code, qsizetype at, QStringView word)
{
    return code.sliced(at).startsWith(word, Qt::CaseInsensitive);
}

// The date or time code written with width letters: y, m, d, h, s, or a for the weekday.
Kind dateCode(QChar letter, int width)
{
    switch (letter.unicode()) {
    case u'y':
        return Kind::Year;
    case u'm':
        return Kind::Month; // or minutes, settled once the section is read
    case u'd':
        return width >= 3 ? Kind::Weekday : Kind::Day;
    case u'h':
        return Kind::Hour;
    case u's':
        return Kind::Second;
    default:
        return Kind::ChineseWeekday;
    }
}

class SectionReader
{
public:
    explicit SectionReader(QStringView code) : m_code(code) {}

    FormatSection read();

private:
    void readPiece();
    void literal(QString text) { m_section.pieces.push_back({Kind::Literal, {}, 0, std::move(text)}); }
    void code(Kind kind, int width) { m_section.pieces.push_back({kind, {}, width, {}}); }
    void settleCommas();
    void settleMinutes();

    QStringView m_code;
    qsizetype m_at = 0;
    FormatSection m_section;
    std::vector<size_t> m_commas; // pieces that were "," and are settled once all is read
    bool m_afterPoint = false;
};

FormatSection SectionReader::read()
{
    while (m_at < m_code.size())
        readPiece();
    settleCommas();
    settleMinutes();
    return std::move(m_section);
}

void SectionReader::readPiece()
{
    const QChar c = m_code[m_at];
    const QChar lower = c.toLower();
    const auto width = int(runLength(m_code, m_at));
    if (c == u'"') {
        const qsizetype end = m_code.indexOf(u'"', m_at + 1);
        const qsizetype stop = end < 0 ? m_code.size() : end;
        literal(m_code.sliced(m_at + 1, stop - m_at - 1).toString());
        m_at = stop + 1;
    } else if (c == u'\\' || c == u'_' || c == u'*') {
        // \x shows x; _x leaves the room of x as a space; *x repeats x to fill a cell, which a
        // text has no width for.
        if (m_at + 1 < m_code.size() && c != u'*')
            literal(c == u'\\' ? QString(m_code[m_at + 1]) : QStringLiteral(" "));
        m_at += 2;
    } else if (c == u'[') {
        const qsizetype end = m_code.indexOf(u']', m_at);
        m_at = end < 0 ? m_code.size() : end + 1;
    } else if (startsWith(m_code, m_at, u"General") || startsWith(m_code, m_at, u"G/通用格式")) {
        code(Kind::General, 0);
        m_at += startsWith(m_code, m_at, u"General") ? 7 : 6;
    } else if (startsWith(m_code, m_at, u"AM/PM") || startsWith(m_code, m_at, u"上午/下午") ||
               startsWith(m_code, m_at, u"A/P")) {
        const qsizetype length = startsWith(m_code, m_at, u"A/P") ? 3 : 5;
        m_section.pieces.push_back({Kind::AmPm, {}, 0, m_code.sliced(m_at, length).toString()});
        m_section.twelveHour = true;
        m_section.isDate = true;
        m_at += length;
    } else if (c == u'0' || c == u'#' || c == u'?') {
        m_section.pieces.push_back({Kind::Digit, c, 0, {}});
        m_section.hasDigits = true;
        if (m_afterPoint && m_section.decimals < MaxDecimals)
            ++m_section.decimals;
        ++m_at;
    } else if (c == u'.' && !m_afterPoint && !m_section.isDate) {
        code(Kind::DecimalPoint, 0);
        m_afterPoint = true;
        ++m_at;
    } else if (c == u',') {
        m_commas.push_back(m_section.pieces.size());
        literal(QStringLiteral(","));
        ++m_at;
    } else if (c == u'%') {
        literal(QStringLiteral("%"));
        ++m_section.percents;
        ++m_at;
    } else if (c == u'@') {
        code(Kind::Text, 0);
        m_section.hasText = true;
        ++m_at;
    } else if (lower == u'y' || lower == u'm' || lower == u'd' || lower == u'h' || lower == u's' ||
               (lower == u'a' && width >= 3)) {
        const Kind kind = dateCode(lower, width);
        code(kind, kind == Kind::Hour || kind == Kind::Second ? std::min(width, 2) : std::min(width, 5));
        m_section.isDate = true;
        m_at += width;
    } else {
        literal(QString(c));
        ++m_at;
    }
}

// A "," between digit places groups thousands; one or more right after the last digit place
// divide by 1000 each; any other is shown as it is.
void SectionReader::settleCommas()
{
    std::vector<FormatPiece>& pieces = m_section.pieces;
    const auto isDigit = [&](size_t i) { return i < pieces.size() && pieces[i].kind == Kind::Digit; };
    for (auto it = m_commas.rbegin(); it != m_commas.rend(); ++it) {
        const size_t at = *it;
        size_t before = at;
        while (before > 0 && pieces[before - 1].kind == Kind::Literal && pieces[before - 1].text == u",")
            --before;
        if (before == 0 || !isDigit(before - 1))
            continue;
        if (isDigit(at + 1))
            m_section.grouping = true;
        else
            ++m_section.thousandsScale;
        pieces.erase(pieces.begin() + qsizetype(at));
    }
}

// m and mm mean minutes right after an hour or right before seconds.
void SectionReader::settleMinutes()
{
    std::vector<FormatPiece>& pieces = m_section.pieces;
    const auto isTimeCode = [](const FormatPiece& piece) {
        return piece.kind != Kind::Literal && piece.kind != Kind::Digit && piece.kind != Kind::DecimalPoint;
    };
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i].kind != Kind::Month || pieces[i].width > 2)
            continue;
        size_t before = i;
        while (before > 0 && !isTimeCode(pieces[before - 1]))
            --before;
        size_t after = i + 1;
        while (after < pieces.size() && !isTimeCode(pieces[after]))
            ++after;
        if ((before > 0 && pieces[before - 1].kind == Kind::Hour) ||
            (after < pieces.size() && pieces[after].kind == Kind::Second))
            pieces[i].kind = Kind::Minute;
    }
}

// The format cut at each ";" that is not quoted, escaped or in brackets.
std::vector<QStringView> sections(QStringView code)
{
    std::vector<QStringView> parts;
    qsizetype start = 0;
    bool quoted = false;
    bool bracketed = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u'[')
            bracketed = true;
        else if (!quoted && c == u']')
            bracketed = false;
        else if (!quoted && (c == u'\\' || c == u'_'))
            ++i;
        else if (!quoted && !bracketed && c == u';') {
            parts.push_back(code.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(code.sliced(start));
    return parts;
}

} // namespace

NumberFormat::NumberFormat(QStringView code)
{
    for (QStringView section : sections(code))
        if (m_sections.size() < 4)
            m_sections.push_back(SectionReader(section).read());
}

Checked<QString> NumberFormat::number(double number) const
{
    const size_t count = std::min<size_t>(m_sections.size(), 3);
    size_t chosen = 0;
    if (number < 0 && count >= 2)
        chosen = 1;
    else if (number == 0 && count >= 3)
        chosen = 2;
    const FormatSection& section = m_sections[chosen];
    const bool signShown = number < 0 && chosen == 0;
    if (section.isDate) {
        const std::optional<SerialParts> parts = serialParts(number);
        if (!parts)
            return FormulaError::Value;
        return section.dateTime(*parts);
    }
    bool showsZero = false;
    const QString text = section.number(std::fabs(number), &showsZero);
    if (signShown && !showsZero)
        return u'-' + text;
    return text;
}

QString NumberFormat::text(const QString& text) const
{
    if (m_sections.size() >= 4)
        return m_sections[3].text(text);
    if (m_sections.size() == 1 && m_sections[0].hasText)
        return m_sections[0].text(text);
    return text;
}
