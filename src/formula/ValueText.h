#pragma once

#include "formula/FormulaValue.h"

#include <QString>

// A number as the general format shows it, and as "&" joins it: at most 15 significant
// digits, no trailing zeros, no ".0"; from 1E+15 up and below 1E-9 with an exponent of at least
// two digits ("1E+20", "1.5E-10").
QString generalNumberText(double number);

// The value as a cell shows it: a number in the general format, TRUE or FALSE, the error's text,
// nothing for an empty value.
QString shownText(const FormulaValue& value);
