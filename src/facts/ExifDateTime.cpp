#include "facts/ExifDateTime.h"

namespace {

// The number of count digits at text[at], or -1 when they are not all digits.
int digitsAt(std::string_view text, std::size_t at, std::size_t count)
{
    if (at + count > text.size())
        return -1;
    int number = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

} // namespace

std::optional<QDateTime> exifDateTime(std::string_view text)
{
    // Fields at fixed places; the separators vary between writers (":", "-", "/", "T").
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    const int second = digitsAt(text, 17, 2);
    if (year <= 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::LocalTime);
}
