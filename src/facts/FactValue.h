#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <type_traits>
#include <variant>

// One fact as a formula takes it: a number, a text or a date and time (in local time).
using FactValue = std::variant<double, QString, QDateTime>;

// A fact the file may lack, as a value; whole numbers become numbers.
template <typename T> std::optional<FactValue> factValue(const std::optional<T>& fact)
{
    if (!fact)
        return std::nullopt;
    if constexpr (std::is_integral_v<T>)
        return FactValue(double(*fact));
    else
        return FactValue(*fact);
}
