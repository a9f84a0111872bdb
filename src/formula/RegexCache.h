#pragma once

#include <QRegularExpression>
#include <QString>

// A compiled expression for a pattern, kept for the next cells: a column evaluating the same
// pattern compiles it once.
const QRegularExpression& cachedExpression(const QString& pattern,
                                           QRegularExpression::PatternOptions options);
