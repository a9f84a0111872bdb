#pragma once

#include <QDateTime>
#include <optional>
#include <string_view>

// The date and time of an EXIF text, "YYYY:MM:DD HH:MM:SS", taken as local time: cameras
// write the time their clock showed, without a zone. Nothing for an empty or unset date
// ("0000:00:00 00:00:00", spaces) or one that is no date.
std::optional<QDateTime> exifDateTime(std::string_view text);
