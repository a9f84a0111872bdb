#pragma once

#include "formula/FormulaFunction.h"

#include <QStringView>
#include <optional>
#include <span>

// Every function the formula language knows, for parsing and for listing them to the user.
namespace FunctionCatalog {
// Grouped as text, logical, math, reference, date and file functions.
std::span<const FormulaFunction> all();
const FormulaFunction& function(quint32 index);
// The index of the function of this name, ignoring case.
std::optional<quint32> find(QStringView name);
} // namespace FunctionCatalog
