#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"

namespace {

// ROW and COLUMN: of the formula's own cell when left out, else of the reference's first cell.
template <bool ofRow> FormulaValue index(FunctionArguments& arguments)
{
    if (arguments.count() == 0)
        return FormulaValue::number(ofRow ? double(arguments.host().row) : arguments.host().column);
    const Checked<CellRange> range = arguments.cells(0);
    if (!range)
        return range.error();
    return FormulaValue::number(ofRow ? double(range->top) : range->left);
}

FormulaValue rows(FunctionArguments& arguments)
{
    const Checked<CellRange> range = arguments.cells(0);
    if (range)
        return FormulaValue::number(double(range->bottom - range->top + 1));
    // A single value is one row.
    const FormulaValue value = arguments.value(0);
    if (value.isError())
        return value;
    return FormulaValue::number(1);
}

constexpr FormulaFunction Functions[] = {
    {u"ROW", u"ROW([引用])", u"引用的行号，省略时为公式所在的行", 0, 1, index<true>},
    {u"COLUMN", u"COLUMN([引用])", u"引用的列号，省略时为公式所在的列", 0, 1, index<false>},
    {u"ROWS", u"ROWS(区域)", u"区域的行数", 1, 1, rows},
};

} // namespace

std::span<const FormulaFunction> referenceFunctions()
{
    return Functions;
}
