#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/TextJoiner.h"

namespace {

FormulaValue concatenate(FunctionArguments& arguments)
{
    TextJoiner joiner(QString(), true);
    for (int i = 0; i < arguments.count() && joiner.addValue(arguments.value(i)); ++i) {
    }
    return joiner.result();
}

FormulaValue concat(FunctionArguments& arguments)
{
    TextJoiner joiner(QString(), true);
    for (int i = 0; i < arguments.count() && joiner.addAll(arguments, i); ++i) {
    }
    return joiner.result();
}

FormulaValue textJoin(FunctionArguments& arguments)
{
    const Checked<QString> delimiter = arguments.text(0);
    const Checked<bool> ignoreEmpty = arguments.boolean(1);
    if (const std::optional<FormulaError> error = firstError(delimiter, ignoreEmpty))
        return *error;
    TextJoiner joiner(*delimiter, *ignoreEmpty);
    for (int i = 2; i < arguments.count() && joiner.addAll(arguments, i); ++i) {
    }
    return joiner.result();
}

constexpr FormulaFunction Functions[] = {
    {u"CONCATENATE", u"CONCATENATE(文本1, [文本2], ...)", u"把几段文本依次连成一段", 1, 255, concatenate},
    {u"CONCAT", u"CONCAT(文本1, [文本2], ...)", u"把几段文本或区域中的文本依次连成一段", 1, 254, concat},
    {u"TEXTJOIN", u"TEXTJOIN(分隔符, 忽略空值, 文本1, ...)", u"用分隔符把几段文本或区域中的文本连成一段", 3,
     252, textJoin},
};

} // namespace

std::span<const FormulaFunction> joinFunctions()
{
    return Functions;
}
