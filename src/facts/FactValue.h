#pragma once

#include <QDateTime>
#include <QString>
#include <variant>

// One fact as a formula takes it: a number, a text or a date and time (in local time).
using FactValue = std::variant<double, QString, QDateTime>;
