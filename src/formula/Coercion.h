#pragma once

#include "formula/Checked.h"
#include "formula/FormulaValue.h"

#include <QString>

// How a value serves where a formula needs a number, a text or a truth value. An error stays
// that error.

// TRUE and FALSE are 1 and 0, an empty value 0, a text that reads as a number that number;
// other text is #VALUE!.
Checked<double> toNumber(const FormulaValue& value);
// A number in the general format, TRUE or FALSE, an empty value as "".
Checked<QString> toText(const FormulaValue& value);
// A number is TRUE unless 0, an empty value FALSE, the texts "TRUE" and "FALSE" in any case
// what they say; other text is #VALUE!.
Checked<bool> toBoolean(const FormulaValue& value);
