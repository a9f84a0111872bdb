#include "formula/DecimalRounding.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/WholeArgument.h"

#include <cmath>

namespace {

template <double (*round)(double, int)> FormulaValue rounded(FunctionArguments& arguments)
{
    const Checked<double> number = arguments.number(0);
    const Checked<double> decimals = arguments.number(1);
    if (const std::optional<FormulaError> error = firstError(number, decimals))
        return *error;
    return FormulaValue::number(round(*number, int(std::clamp<qint64>(wholeArgument(*decimals), -400, 400))));
}

template <double (*change)(double)> FormulaValue changed(FunctionArguments& arguments)
{
    const Checked<double> number = arguments.number(0);
    if (!number)
        return number.error();
    return FormulaValue::number(change(*number));
}

double integer(double number)
{
    return std::floor(number);
}

double absolute(double number)
{
    return std::fabs(number);
}

// The remainder takes the divisor's sign: MOD(-7,3) is 2, MOD(7,-3) is -2.
FormulaValue mod(FunctionArguments& arguments)
{
    const Checked<double> dividend = arguments.number(0);
    const Checked<double> divisor = arguments.number(1);
    if (const std::optional<FormulaError> error = firstError(dividend, divisor))
        return *error;
    if (*divisor == 0)
        return FormulaError::Div0;
    return FormulaValue::number(*dividend - *divisor * std::floor(*dividend / *divisor));
}

constexpr FormulaFunction Functions[] = {
    {u"ROUND", u"ROUND(数字, 小数位数)", u"按指定位数四舍五入", 2, 2, rounded<roundHalfAwayFromZero>},
    {u"ROUNDUP", u"ROUNDUP(数字, 小数位数)", u"按指定位数向远离零的方向进位", 2, 2,
     rounded<roundAwayFromZero>},
    {u"ROUNDDOWN", u"ROUNDDOWN(数字, 小数位数)", u"按指定位数向零的方向舍去", 2, 2, rounded<roundTowardZero>},
    {u"INT", u"INT(数字)", u"向下取整到不大于它的整数", 1, 1, changed<integer>},
    {u"MOD", u"MOD(被除数, 除数)", u"两数相除的余数，符号与除数相同", 2, 2, mod},
    {u"ABS", u"ABS(数字)", u"数字的绝对值", 1, 1, changed<absolute>},
};

} // namespace

std::span<const FormulaFunction> mathFunctions()
{
    return Functions;
}
