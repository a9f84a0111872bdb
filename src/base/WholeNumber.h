#pragma once

#include <QStringView>
#include <optional>

// Counts typed into fields, read from their digits alone, never through a locale.

// A count typed as a whole number: blanks around it are ignored, a decimal value is rounded to
// the nearest whole number with a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Any other text, the empty text included, is not a number. Values too large for any name are
// held at WholeNumberLimit, which acts the same on every name.
std::optional<qint64> wholeNumber(QStringView text);

inline constexpr qint64 WholeNumberLimit = Q_INT64_C(1000000000000000);

// A count written in digits alone, blanks around them ignored: a sign, a decimal point, any
// other character or a value beyond what 64 bits hold make it no count.
std::optional<qint64> digitsOnlyNumber(QStringView text);
