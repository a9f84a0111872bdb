#pragma once

#include <QString>
#include <optional>

class Progress;
class Sheet;

// The rows of the table that derive several copies from the file in the first data row (row 2).
namespace DerivationTable {

// More copies than a table can sensibly hold are a typing mistake.
inline constexpr qsizetype MaxCount = 1'000'000;

// Single-file derivation: rows 2 to count + 1 carry row 2's file (B, also as the name source
// J, D, E, F), numbered from 1, with G = F so that each copy goes beside the file.
void fillFromFirstRow(Sheet& sheet, qsizetype count, Progress& progress);

// The batch derivation count: rows 3 to count + 1 copy every source column of row 2 (B, D, E,
// F, J, and G when copying into a target folder) and are numbered from 2.
void repeatFirstRow(Sheet& sheet, qsizetype count, bool withTargetFolder);

// The table laid out afresh for the one file to derive from.
void resetForSingleFile(Sheet& sheet);

// Column G of every data row: the folder its copy goes to. With a target folder, that one for
// every row; without, each row's own folder (F), so that the copy lands beside its file.
void writeCopyFolders(Sheet& sheet, const std::optional<QString>& targetFolder);

} // namespace DerivationTable
