#pragma once

#include <QStringView>
#include <optional>

// Text that a spreadsheet reads as a number where one is needed, blanks around it ignored:
// "12", "-1.5E3", "1,234.5", "50%", a date "2026-1-5" or "2026/1/5", a time "10:30" or
// "10:30:15", or a date and a time; dates and times as serials. Anything else, the empty text
// included, is no number.
std::optional<double> numberFromText(QStringView text);
