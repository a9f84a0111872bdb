#include "formula/FormulaOperators.h"

#include "formula/Coercion.h"

#include <cmath>

namespace {

// Numbers that agree in their first 15 or so significant digits are equal, so 0.1+0.2=0.3.
bool nearlyEqual(double a, double b)
{
    if (a == b)
        return true;
    if (a == 0 || b == 0)
        return false;
    return std::fabs(a - b) < std::fabs(a) * 0x1p-48;
}

int typeRank(FormulaValue::Type type)
{
    switch (type) {
    case FormulaValue::Type::Text:
        return 1;
    case FormulaValue::Type::Boolean:
        return 2;
    default:
        return 0;
    }
}

// What an empty value stands for beside the other operand.
FormulaValue emptyAs(const FormulaValue& other)
{
    if (other.isText())
        return FormulaValue::text(QString());
    if (other.isBoolean())
        return FormulaValue::boolean(false);
    return FormulaValue::number(0);
}

FormulaValue numberResult(double number)
{
    if (!std::isfinite(number))
        return FormulaError::Num;
    return FormulaValue::number(number);
}

FormulaValue arithmetic(FormulaOperator op, double a, double b)
{
    switch (op) {
    case FormulaOperator::Add:
        return numberResult(a + b);
    case FormulaOperator::Subtract:
        return numberResult(a - b);
    case FormulaOperator::Multiply:
        return numberResult(a * b);
    case FormulaOperator::Divide:
        if (b == 0)
            return FormulaError::Div0;
        return numberResult(a / b);
    default:
        break;
    }
    if (a == 0 && b < 0)
        return FormulaError::Div0;
    if (a == 0 && b == 0)
        return FormulaError::Num;
    return numberResult(std::pow(a, b));
}

bool comparisonHolds(FormulaOperator op, int order)
{
    switch (op) {
    case FormulaOperator::Equal:
        return order == 0;
    case FormulaOperator::NotEqual:
        return order != 0;
    case FormulaOperator::Less:
        return order < 0;
    case FormulaOperator::Greater:
        return order > 0;
    case FormulaOperator::LessOrEqual:
        return order <= 0;
    default:
        return order >= 0;
    }
}

} // namespace

FormulaValue negated(const FormulaValue& value)
{
    const Checked<double> number = toNumber(value);
    if (!number)
        return number.error();
    return FormulaValue::number(-*number);
}

FormulaValue percentOf(const FormulaValue& value)
{
    const Checked<double> number = toNumber(value);
    if (!number)
        return number.error();
    return FormulaValue::number(*number / 100);
}

FormulaValue applyOperator(FormulaOperator op, const FormulaValue& left, const FormulaValue& right)
{
    if (left.isError())
        return left;
    if (right.isError())
        return right;
    if (op == FormulaOperator::Concatenate)
        return FormulaValue::text(*toText(left) + *toText(right));
    if (op >= FormulaOperator::Equal)
        return FormulaValue::boolean(comparisonHolds(op, compareValues(left, right)));
    const Checked<double> a = toNumber(left);
    if (!a)
        return a.error();
    const Checked<double> b = toNumber(right);
    if (!b)
        return b.error();
    return arithmetic(op, *a, *b);
}

int compareValues(const FormulaValue& left, const FormulaValue& right)
{
    if (left.isEmpty() && right.isEmpty())
        return 0;
    if (left.isEmpty())
        return compareValues(emptyAs(right), right);
    if (right.isEmpty())
        return compareValues(left, emptyAs(left));
    const int rankOrder = typeRank(left.type()) - typeRank(right.type());
    if (rankOrder != 0)
        return rankOrder;
    if (left.isText())
        return left.asText().compare(right.asText(), Qt::CaseInsensitive);
    if (left.isNumber() && nearlyEqual(left.asNumber(), right.asNumber()))
        return 0;
    return left.asNumber() < right.asNumber() ? -1 : (left.asNumber() > right.asNumber() ? 1 : 0);
}
