#include "formula/DateSerial.h"

#include <cmath>

namespace {

constexpr qint64 SecondsPerDay = 86400;
constexpr double LastSerial = 2958465; // 9999-12-31
constexpr qint64 FirstTrueSerial = 61; // 1900-03-01, the first day both calendars agree on

// Made once: a date built from its year, month and day costs more than the serial's sum.
constexpr QDate SerialEpoch = QDate::fromJulianDay(2415019);      // 1899-12-30
constexpr QDate OldCalendarEpoch = QDate::fromJulianDay(2415020); // 1899-12-31
constexpr QDate FirstTrueDate = QDate::fromJulianDay(2415080);    // 1900-03-01

// The date of a whole serial from 1 on; the false 1900-02-29 (60) has none.
QDate dateOfDay(qint64 day)
{
    if (day >= FirstTrueSerial)
        return SerialEpoch.addDays(day);
    if (day >= 1 && day < 60)
        return OldCalendarEpoch.addDays(day);
    return {};
}

} // namespace

double serialFromDate(QDate date)
{
    if (date >= FirstTrueDate)
        return double(SerialEpoch.daysTo(date));
    return double(OldCalendarEpoch.daysTo(date));
}

double serialFromDateTime(const QDateTime& dateTime)
{
    return serialFromDate(dateTime.date()) +
           dateTime.time().msecsSinceStartOfDay() / (SecondsPerDay * 1000.0);
}

QDateTime dateTimeFromSerial(double serial)
{
    if (!(serial >= 1 && serial < LastSerial + 1))
        return {};
    qint64 day = qint64(std::floor(serial));
    qint64 msecs = std::llround((serial - double(day)) * SecondsPerDay * 1000);
    if (msecs >= SecondsPerDay * 1000) {
        ++day;
        msecs = 0;
    }
    const QDate date = dateOfDay(day);
    if (!date.isValid())
        return {};
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)));
}

std::optional<SerialParts> serialParts(double serial)
{
    if (!(serial >= 0 && serial < LastSerial + 1))
        return std::nullopt;
    const qint64 seconds = std::llround(serial * SecondsPerDay);
    const qint64 day = seconds / SecondsPerDay;
    const qint64 secondOfDay = seconds % SecondsPerDay;
    SerialParts parts;
    parts.weekday = int((day + 6) % 7);
    parts.hour = int(secondOfDay / 3600);
    parts.minute = int(secondOfDay / 60 % 60);
    parts.second = int(secondOfDay % 60);
    if (day == 0 || day == 60) {
        parts.year = 1900;
        parts.month = day == 0 ? 1 : 2;
        parts.day = day == 0 ? 0 : 29;
        return parts;
    }
    const QDate date = dateOfDay(day);
    if (!date.isValid())
        return std::nullopt;
    parts.year = date.year();
    parts.month = date.month();
    parts.day = date.day();
    return parts;
}
