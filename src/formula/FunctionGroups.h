#pragma once

#include "formula/FormulaFunction.h"

#include <span>

// The functions of each group, with their evaluation in the group's own file.
std::span<const FormulaFunction> textFunctions();
std::span<const FormulaFunction> searchFunctions();
std::span<const FormulaFunction> characterFunctions();
std::span<const FormulaFunction> joinFunctions();
std::span<const FormulaFunction> regexFunctions();
std::span<const FormulaFunction> logicalFunctions();
std::span<const FormulaFunction> mathFunctions();
std::span<const FormulaFunction> aggregateFunctions();
std::span<const FormulaFunction> referenceFunctions();
std::span<const FormulaFunction> dateFunctions();
std::span<const FormulaFunction> fileInfoFunctions();
