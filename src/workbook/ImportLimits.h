#pragma once

#include <QtGlobal>

// How much an import may take before the file is refused as damaged or hostile. A workbook's
// parts are compressed: what they unpack to is bounded, not the file's size alone.
namespace ImportLimits {
// Cells with a value, over the whole table: a rename table of a million rows and a dozen columns
// stays below it.
constexpr qsizetype MaxCells = 20'000'000;
// What all parts of a package may unpack to together: this many times the file's size, at least
// MinUnpackedBytes (small workbooks carry parts of a fixed size), at most MaxUnpackedBytes.
constexpr qint64 UnpackedPerFileByte = 100;
constexpr qint64 MinUnpackedBytes = qint64(16) << 20;
constexpr qint64 MaxUnpackedBytes = qint64(1) << 30;
// Parts that only lead to the sheet (relationships, the workbook's sheet list, the manifest).
constexpr qint64 MaxGuidePartBytes = qint64(16) << 20;
constexpr qint64 MaxStylesPartBytes = qint64(64) << 20;
// A text table is read as it is: its size is what it costs.
constexpr qint64 MaxTextFileBytes = qint64(1) << 30;

// The unpacking budget for a package of fileSize bytes.
constexpr qint64 unpackedBudget(qint64 fileSize)
{
    const qint64 scaled =
        fileSize > MaxUnpackedBytes / UnpackedPerFileByte ? MaxUnpackedBytes : fileSize * UnpackedPerFileByte;
    return qBound(MinUnpackedBytes, scaled, MaxUnpackedBytes);
}
} // namespace ImportLimits
