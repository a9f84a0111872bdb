#pragma once

#include "formula/FormulaNode.h"
#include "formula/FormulaValue.h"

// The operators of the formula language on values that are not references; an operand's error,
// the left one first, is the result.

FormulaValue negated(const FormulaValue& value);
FormulaValue percentOf(const FormulaValue& value);
// Arithmetic and comparisons; Concatenate joins the two texts.
FormulaValue applyOperator(FormulaOperator op, const FormulaValue& left, const FormulaValue& right);

// Orders two values as comparisons do: numbers before texts before FALSE before TRUE, texts
// without regard to case, an empty value as 0, "" or FALSE by what it meets. Negative, zero or
// positive.
int compareValues(const FormulaValue& left, const FormulaValue& right);
