#include "formula/FunctionArguments.h"

#include "formula/Coercion.h"
#include "formula/FormulaReference.h"

Checked<double> FunctionArguments::number(int i) const
{
    return toNumber(value(i));
}

Checked<double> FunctionArguments::number(int i, double fallback) const
{
    return i < m_count ? number(i) : Checked<double>(fallback);
}

Checked<QString> FunctionArguments::text(int i) const
{
    return toText(value(i));
}

Checked<bool> FunctionArguments::boolean(int i) const
{
    return toBoolean(value(i));
}

Checked<CellRange> FunctionArguments::cells(int i) const
{
    const FormulaReference* reference = m_evaluator.reference(m_nodes[i]);
    if (!reference)
        return FormulaError::Value;
    if (const std::optional<CellRange> range = reference->at(host()))
        return *range;
    return FormulaError::Ref;
}
