#pragma once

#include "formula/DateSerial.h"

#include <QString>
#include <vector>

// One piece of a number format section, such as "0", "yyyy", "." or a literal "年".
struct FormatPiece
{
    enum class Kind : quint8
    {
        Literal,
        Digit, // 0 shows a zero where the number has no digit, # nothing, ? a space
        DecimalPoint,
        Text, // @, the text formatted
        General,
        Year,
        Month,
        Day,
        Weekday,
        ChineseWeekday, // aaa 一, aaaa 星期一
        Hour,
        Minute,
        Second,
        AmPm // with the two forms in text, as "AM/PM" or "上午/下午" was written
    };

    Kind kind = Kind::Literal;
    QChar digit;   // Digit: '0', '#' or '?'
    int width = 0; // letters written: yyyy 4, mm 2
    QString text;
};

// A number format section: "#,##0.00", "yyyy年m月d日", "@".
struct FormatSection
{
    std::vector<FormatPiece> pieces;
    bool isDate = false;
    bool hasDigits = false;
    bool hasText = false;   // holds @
    bool grouping = false;  // "," between digits
    int percents = 0;       // each % multiplies by 100
    int thousandsScale = 0; // each "," after the last digit divides by 1000
    int decimals = 0;
    bool twelveHour = false;

    // A number of the section's own sign shown without its sign; whether it shows as zero.
    QString number(double magnitude, bool* showsZero) const;
    // The date and time of a serial's parts.
    QString dateTime(const SerialParts& parts) const;
    // The text put where @ stands.
    QString text(const QString& text) const;
};
