#include "formula/NumberText.h"

#include "formula/DateSerial.h"

#include <charconv>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a run of at most maxDigits digits at i; -1 when there is none.
int readDigits(QStringView text, qsizetype& i, int maxDigits)
{
    int value = -1;
    const qsizetype start = i;
    for (; i < text.size() && isDigit(text[i]) && i - start < maxDigits; ++i)
        value = (value < 0 ? 0 : value * 10) + (text[i].unicode() - u'0');
    return value;
}

// A decimal number with optional thousands separators in groups of three, an exponent and
// a trailing percent sign.
std::optional<double> plainNumber(QStringView text)
{
    char buffer[64];
    int length = 0;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            buffer[length++] = '-';
        ++i;
    }
    int digitsInGroup = 0;
    bool grouped = false;
    bool anyDigit = false;
    for (; i < text.size() && length < 60; ++i) {
        const QChar c = text[i];
        if (isDigit(c)) {
            buffer[length++] = char(c.unicode());
            ++digitsInGroup;
            anyDigit = true;
        } else if (c == u',' && anyDigit && (grouped ? digitsInGroup == 3 : digitsInGroup <= 3)) {
            grouped = true;
            digitsInGroup = 0;
        } else {
            break;
        }
    }
    if (grouped && digitsInGroup != 3)
        return std::nullopt;
    if (i < text.size() && text[i] == u'.') {
        buffer[length++] = '.';
        for (++i; i < text.size() && isDigit(text[i]) && length < 60; ++i, anyDigit = true)
            buffer[length++] = char(text[i].unicode());
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        buffer[length++] = 'e';
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            buffer[length++] = char(text[i++].unicode());
        const qsizetype exponentStart = i;
        for (; i < text.size() && isDigit(text[i]) && length < 63; ++i)
            buffer[length++] = char(text[i].unicode());
        if (i == exponentStart)
            return std::nullopt;
    }
    const bool percent = i < text.size() && text[i] == u'%';
    if (percent)
        ++i;
    if (i != text.size())
        return std::nullopt;
    double number = 0;
    if (std::from_chars(buffer, buffer + length, number).ec != std::errc())
        return std::nullopt;
    return percent ? number / 100 : number;
}

// "2026-1-5" or "2026/1/5" at i, as a serial.
std::optional<double> datePart(QStringView text, qsizetype& i)
{
    const int year = readDigits(text, i, 4);
    if (year < 1900 || i >= text.size() || (text[i] != u'-' && text[i] != u'/'))
        return std::nullopt;
    const QChar separator = text[i++];
    const int month = readDigits(text, i, 2);
    if (month < 0 || i >= text.size() || text[i] != separator)
        return std::nullopt;
    ++i;
    const int day = readDigits(text, i, 2);
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return serialFromDate(date);
}

// "10:30" or "10:30:15" at i, as a fraction of a day.
std::optional<double> timePart(QStringView text, qsizetype& i)
{
    const int hour = readDigits(text, i, 2);
    if (hour < 0 || i >= text.size() || text[i] != u':')
        return std::nullopt;
    ++i;
    const int minute = readDigits(text, i, 2);
    int second = 0;
    if (i < text.size() && text[i] == u':') {
        ++i;
        second = readDigits(text, i, 2);
    }
    if (minute < 0 || minute > 59 || second < 0 || second > 59 || hour > 23)
        return std::nullopt;
    return (hour * 3600 + minute * 60 + second) / 86400.0;
}

std::optional<double> dateOrTime(QStringView text)
{
    qsizetype i = 0;
    if (std::optional<double> time = timePart(text, i); time && i == text.size())
        return time;
    i = 0;
    const std::optional<double> date = datePart(text, i);
    if (!date)
        return std::nullopt;
    if (i == text.size())
        return date;
    if (text[i] != u' ')
        return std::nullopt;
    ++i;
    const std::optional<double> time = timePart(text, i);
    if (!time || i != text.size())
        return std::nullopt;
    return *date + *time;
}

} // namespace

std::optional<double> numberFromText(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (std::optional<double> number = plainNumber(trimmed))
        return number;
    return dateOrTime(trimmed);
}
