#pragma once

class Progress;
class Sheet;
struct RuleValues;

// Rewrites the new name (column C) of every data row: the numbering text (K), the rule values
// and the name source (J) joined in their fixed order. A row gets its new name only when its
// old extension (D) is a dot followed by at least one character; other rows keep their C.
// With derivation on, every row is built from row 2's name source and takes row 2's extension,
// since those rows are copies of the one file.
void composeNewNames(Sheet& sheet, const RuleValues& rules, bool derivation, Progress& progress);
