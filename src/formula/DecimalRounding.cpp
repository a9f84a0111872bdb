#include "formula/DecimalRounding.h"

#include <charconv>
#include <cmath>

namespace {

// The number cut to the 15 significant digits a spreadsheet keeps, which removes the error of
// binary fractions: 100.49999999999999 (1.005 * 100) becomes 100.5.
double significant(double number)
{
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific, 14).ptr;
    double result = number;
    std::from_chars(buffer, end, result);
    return result;
}

template <typename Round> double roundShifted(double number, int decimals, Round round)
{
    if (number == 0 || !std::isfinite(number))
        return number;
    if (decimals > 308)
        return number;
    if (decimals < -308)
        return 0;
    const double scale = std::pow(10.0, std::abs(decimals));
    const double shifted = decimals >= 0 ? number * scale : number / scale;
    if (!std::isfinite(shifted) || std::fabs(shifted) >= 1e15)
        return number; // already as whole as 15 digits can be
    if (decimals >= 0 && shifted == std::trunc(shifted))
        return number;
    const double magnitude = round(std::fabs(significant(shifted)));
    const double rounded = std::copysign(magnitude, number);
    return decimals >= 0 ? rounded / scale : rounded * scale;
}

} // namespace

double roundHalfAwayFromZero(double number, int decimals)
{
    return roundShifted(number, decimals, [](double magnitude) { return std::floor(magnitude + 0.5); });
}

double roundAwayFromZero(double number, int decimals)
{
    return roundShifted(number, decimals, [](double magnitude) { return std::ceil(magnitude); });
}

double roundTowardZero(double number, int decimals)
{
    return roundShifted(number, decimals, [](double magnitude) { return std::floor(magnitude); });
}
