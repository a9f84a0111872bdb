#pragma once

#include <QChar>
#include <QStringView>

// The separator of a text table, told from its first lines: comma, semicolon or tab, the one that
// parts every line into the same number of fields, separators inside quotes not counted.
namespace SeparatorGuess {
// A comma when no line has any of them: a table of one column.
QChar guess(QStringView start);
} // namespace SeparatorGuess
