#include "formula/Coercion.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"

namespace {

// Only the branch taken is evaluated.
FormulaValue ifFunction(FunctionArguments& arguments)
{
    const Checked<bool> condition = arguments.boolean(0);
    if (!condition)
        return condition.error();
    const int branch = *condition ? 1 : 2;
    if (branch < arguments.count())
        return arguments.value(branch);
    return FormulaValue::boolean(*condition);
}

FormulaValue ifError(FunctionArguments& arguments)
{
    FormulaValue value = arguments.value(0);
    if (value.isError())
        return arguments.value(1);
    return value;
}

// AND and OR: texts and empty cells in ranges are passed over; with no truth value at all the
// result is #VALUE!.
template <bool all> FormulaValue allOrAny(FunctionArguments& arguments)
{
    bool result = all;
    bool any = false;
    std::optional<FormulaError> error;
    for (int i = 0; i < arguments.count() && !error; ++i)
        arguments.forEachValue(i, [&](const FormulaValue& value, const CellAddress* cell) {
            if (cell && value.isText())
                return true;
            const Checked<bool> truth = toBoolean(value);
            if (!truth) {
                error = truth.error();
                return false;
            }
            any = true;
            result = all ? result && *truth : result || *truth;
            return true;
        });
    if (error)
        return *error;
    if (!any)
        return FormulaError::Value;
    return FormulaValue::boolean(result);
}

FormulaValue notFunction(FunctionArguments& arguments)
{
    const Checked<bool> truth = arguments.boolean(0);
    if (!truth)
        return truth.error();
    return FormulaValue::boolean(!*truth);
}

template <FormulaValue::Type type> FormulaValue isType(FunctionArguments& arguments)
{
    return FormulaValue::boolean(arguments.value(0).type() == type);
}

constexpr FormulaFunction Functions[] = {
    {u"IF", u"IF(条件, 成立时的值, [不成立时的值])", u"按条件成立与否给出不同的值", 2, 3, ifFunction},
    {u"IFERROR", u"IFERROR(值, 出错时的值)", u"值是错误时给出另一个值，否则给出值本身", 2, 2, ifError},
    {u"AND", u"AND(条件1, [条件2], ...)", u"所有条件都成立时为 TRUE", 1, 255, allOrAny<true>},
    {u"OR", u"OR(条件1, [条件2], ...)", u"任一条件成立时为 TRUE", 1, 255, allOrAny<false>},
    {u"NOT", u"NOT(条件)", u"把 TRUE 变为 FALSE，FALSE 变为 TRUE", 1, 1, notFunction},
    {u"ISBLANK", u"ISBLANK(值)", u"单元格什么也没有时为 TRUE", 1, 1, isType<FormulaValue::Type::Empty>},
    {u"ISNUMBER", u"ISNUMBER(值)", u"值是数字时为 TRUE", 1, 1, isType<FormulaValue::Type::Number>},
    {u"ISTEXT", u"ISTEXT(值)", u"值是文本时为 TRUE", 1, 1, isType<FormulaValue::Type::Text>},
    {u"ISERROR", u"ISERROR(值)", u"值是任何一种错误时为 TRUE", 1, 1, isType<FormulaValue::Type::Error>},
};

} // namespace

std::span<const FormulaFunction> logicalFunctions()
{
    return Functions;
}
