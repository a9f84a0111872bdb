#include "formula/Coercion.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"

#include <cmath>
#include <limits>

namespace {

// The numbers of a function's arguments as SUM reads them: in cells only numbers count, texts
// and TRUE or FALSE being passed over; given directly, TRUE, FALSE and texts that read as
// numbers count as well, and other texts are #VALUE!. The first error met is the result.
template <typename Take>
std::optional<FormulaError> forEachNumber(const FunctionArguments& arguments, Take take)
{
    std::optional<FormulaError> error;
    for (int i = 0; i < arguments.count() && !error; ++i)
        arguments.forEachValue(i, [&](const FormulaValue& value, const CellAddress* cell) {
            if (value.isError()) {
                error = value.asError();
                return false;
            }
            if (cell && !value.isNumber())
                return true;
            const Checked<double> number = toNumber(value);
            if (!number) {
                error = number.error();
                return false;
            }
            take(*number);
            return true;
        });
    return error;
}

FormulaValue sum(FunctionArguments& arguments)
{
    double total = 0;
    if (const std::optional<FormulaError> error = forEachNumber(arguments, [&](double n) { total += n; }))
        return *error;
    return FormulaValue::number(total);
}

template <bool lowest> FormulaValue extreme(FunctionArguments& arguments)
{
    double found =
        lowest ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    const auto take = [&](double n) { found = lowest ? std::min(found, n) : std::max(found, n); };
    if (const std::optional<FormulaError> error = forEachNumber(arguments, take))
        return *error;
    return FormulaValue::number(std::isinf(found) ? 0 : found);
}

FormulaValue average(FunctionArguments& arguments)
{
    double total = 0;
    qint64 count = 0;
    const auto take = [&](double n) {
        total += n;
        ++count;
    };
    if (const std::optional<FormulaError> error = forEachNumber(arguments, take))
        return *error;
    if (count == 0)
        return FormulaError::Div0;
    return FormulaValue::number(total / double(count));
}

// COUNT counts numbers in cells and, given directly, anything that reads as a number;
// COUNTA counts every value.
template <bool everyValue> FormulaValue count(FunctionArguments& arguments)
{
    qint64 counted = 0;
    for (int i = 0; i < arguments.count(); ++i)
        arguments.forEachValue(i, [&](const FormulaValue& value, const CellAddress* cell) {
            if (everyValue)
                counted += value.isEmpty() ? 0 : 1;
            else if (cell)
                counted += value.isNumber() ? 1 : 0;
            else
                counted += !value.isError() && toNumber(value) ? 1 : 0;
            return true;
        });
    return FormulaValue::number(double(counted));
}

constexpr FormulaFunction Functions[] = {
    {u"SUM", u"SUM(数字1, [数字2], ...)", u"求和", 1, 255, sum},
    {u"MIN", u"MIN(数字1, [数字2], ...)", u"最小的数", 1, 255, extreme<true>},
    {u"MAX", u"MAX(数字1, [数字2], ...)", u"最大的数", 1, 255, extreme<false>},
    {u"COUNT", u"COUNT(值1, [值2], ...)", u"数字的个数", 1, 255, count<false>},
    {u"COUNTA", u"COUNTA(值1, [值2], ...)", u"非空值的个数", 1, 255, count<true>},
    {u"AVERAGE", u"AVERAGE(数字1, [数字2], ...)", u"算术平均值", 1, 255, average},
};

} // namespace

std::span<const FormulaFunction> aggregateFunctions()
{
    return Functions;
}
