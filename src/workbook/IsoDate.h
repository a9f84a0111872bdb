#pragma once

#include <QStringView>

#include <optional>

// Dates and times written as ISO 8601 text, as .ods files and some .xlsx cells hold them, turned
// into the serial numbers spreadsheets compute with.
namespace IsoDate {
// "2026-12-08" is 46364, "2026-12-08T18:00:00" 46364.75; a zone suffix is ignored.
std::optional<double> serial(QStringView text);
// A duration in days: "PT18H00M00S" is 0.75, "P1DT12H" 1.5, "-PT6H" -0.25.
std::optional<double> days(QStringView text);
} // namespace IsoDate
