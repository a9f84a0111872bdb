#pragma once

#include "formula/CellVisitor.h"
#include "formula/Checked.h"
#include "formula/FormulaContext.h"
#include "formula/FormulaEvaluator.h"

// The arguments of one function call, evaluated only when the function asks for them.
class FunctionArguments
{
public:
    FunctionArguments(FormulaEvaluator& evaluator, const quint32* nodes, int count)
        : m_evaluator(evaluator), m_nodes(nodes), m_count(count)
    {
    }

    int count() const { return m_count; }

    // The argument's value; a reference gives the value of one cell (see FormulaEvaluator).
    FormulaValue value(int i) const { return m_evaluator.value(m_nodes[i]); }
    Checked<double> number(int i) const;
    // The argument as a number, or fallback when the call leaves it out.
    Checked<double> number(int i, double fallback) const;
    Checked<QString> text(int i) const;
    Checked<bool> boolean(int i) const;

    // The cells the argument names at the host: #REF! off the sheet, #VALUE! when it names none.
    Checked<CellRange> cells(int i) const;

    // Hands visit(value, cell) every value the argument stands for: the value of each cell it
    // names that holds one, with the cell, or its single value with a null cell. Stops when visit
    // returns false, and then returns false.
    template <typename Visit> bool forEachValue(int i, Visit&& visit) const;

    const FormulaContext& context() const { return m_evaluator.context(); }
    CellAddress host() const { return m_evaluator.host(); }

private:
    FormulaEvaluator& m_evaluator;
    const quint32* m_nodes;
    int m_count;
};

template <typename Visit> bool FunctionArguments::forEachValue(int i, Visit&& visit) const
{
    if (!m_evaluator.reference(m_nodes[i]))
        return visit(value(i), static_cast<const CellAddress*>(nullptr));
    const Checked<CellRange> range = cells(i);
    if (!range)
        return visit(FormulaValue(range.error()), static_cast<const CellAddress*>(nullptr));

    struct Adapter final : CellVisitor
    {
        explicit Adapter(Visit& visit) : m_visit(visit) {}
        bool visit(CellAddress cell, const FormulaValue& value) override
        {
            m_stopped = !m_visit(value, &cell);
            return !m_stopped;
        }
        Visit& m_visit;
        bool m_stopped = false;
    } adapter(visit);
    context().visitCells(*range, adapter);
    return !adapter.m_stopped;
}
