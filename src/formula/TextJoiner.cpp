#include "formula/TextJoiner.h"

#include "formula/Coercion.h"
#include "formula/FunctionArguments.h"
#include "workbook/WorkbookLimits.h"

bool TextJoiner::addValue(const FormulaValue& value)
{
    const Checked<QString> text = toText(value);
    if (!text) {
        m_error = text.error();
        return false;
    }
    return add(*text);
}

bool TextJoiner::addAll(const FunctionArguments& arguments, int i)
{
    const Checked<CellRange> range = arguments.cells(i);
    if (!range || m_ignoreEmpty)
        return arguments.forEachValue(
            i, [&](const FormulaValue& value, const CellAddress*) { return addValue(value); });

    // The walk skips empty cells: each one between two visited cells adds an empty text.
    const qsizetype width = range->right - range->left + 1;
    const qsizetype cellCount = (range->bottom - range->top + 1) * width;
    qsizetype next = 0;
    const auto addEmptyUpTo = [&](qsizetype end) {
        for (; next < end; ++next)
            if (!add(QString()))
                return false;
        return true;
    };
    const bool walked = arguments.forEachValue(i, [&](const FormulaValue& value, const CellAddress* cell) {
        const qsizetype at = (cell->row - range->top) * width + (cell->column - range->left);
        if (!addEmptyUpTo(at))
            return false;
        ++next;
        return addValue(value);
    });
    return walked && addEmptyUpTo(cellCount);
}

bool TextJoiner::add(const QString& piece)
{
    if (m_ignoreEmpty && piece.isEmpty())
        return true;
    if (!m_first)
        m_text += m_delimiter;
    m_text += piece;
    m_first = false;
    if (m_text.size() > WorkbookLimits::MaxCellText) {
        m_error = FormulaError::Value;
        return false;
    }
    return true;
}

FormulaValue TextJoiner::result() const
{
    if (m_error)
        return *m_error;
    return FormulaValue::text(m_text);
}
