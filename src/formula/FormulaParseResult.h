#pragma once

#include "formula/FormulaSyntaxError.h"

#include <memory>

class Formula;

// A typed formula read: the formula, or when it cannot be read, why.
struct FormulaParseResult
{
    std::shared_ptr<const Formula> formula; // null when the text has a syntax error
    FormulaSyntaxError error;
};
