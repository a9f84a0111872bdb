#pragma once

#include "formula/Checked.h"
#include "formula/FormatSection.h"

#include <QString>
#include <QStringView>
#include <vector>

// A number format as TEXT reads it: up to four sections "positive;negative;zero;text" of digit
// places (0 # ? , . %), date and time codes (yyyy yy m mm d dd h hh s ss, AM/PM, 上午/下午,
// aaa aaaa), @ for the text, "..." and \x literals, _x as a space, and [...] read and skipped.
// m and mm right after an hour or right before seconds mean minutes.
class NumberFormat
{
public:
    explicit NumberFormat(QStringView code);

    // #VALUE! for a date and time format and a number no date has.
    Checked<QString> number(double number) const;
    // Text shown through the text section, or through the only section when it holds @; as it
    // is otherwise.
    QString text(const QString& text) const;

private:
    std::vector<FormatSection> m_sections;
};
