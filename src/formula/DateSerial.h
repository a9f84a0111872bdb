#pragma once

#include <QDate>
#include <QDateTime>
#include <optional>

// Dates and times as serial numbers, as spreadsheets hold them: whole days since 1899-12-30
// (so 2026-12-08 is 46364) and the time of day as the fraction (0.75 is 18:00), in local time.
// Before 1900-03-01 the serials follow the old spreadsheet calendar that counts a 1900-02-29:
// 1 is 1900-01-01 and 60 that day, which no QDate holds.
double serialFromDate(QDate date);
double serialFromDateTime(const QDateTime& dateTime);
// The local date and time of a serial, to the millisecond; invalid below 1 or after 9999.
QDateTime dateTimeFromSerial(double serial);

// The calendar fields of a serial rounded to the second, as date functions and formats read
// them; serial 0 reads as 1900-01-00 and 60 as 1900-02-29, as in spreadsheets.
struct SerialParts
{
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0; // 0 Sunday to 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
};
// Nothing for a negative serial or one after 9999-12-31.
std::optional<SerialParts> serialParts(double serial);
