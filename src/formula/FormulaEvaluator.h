#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"

class FormulaContext;
struct FormulaNode;
struct FormulaProgram;
struct FormulaReference;

// Evaluates the nodes of one formula for one cell; lives for one evaluation.
class FormulaEvaluator
{
public:
    FormulaEvaluator(const FormulaProgram& program, const FormulaContext& context, CellAddress host)
        : m_program(program), m_context(context), m_host(host)
    {
    }

    // The node's value. Where one value is needed, a reference to a range takes the cell in
    // the formula's own row (a range one column wide) or column (one row high), else #VALUE!.
    FormulaValue value(quint32 node);
    // The reference the node is, inside any parentheses; null for any other node.
    const FormulaReference* reference(quint32 node) const;

    const FormulaContext& context() const { return m_context; }
    CellAddress host() const { return m_host; }

private:
    FormulaValue referenceValue(const FormulaReference& reference) const;
    FormulaValue concatenation(const FormulaNode& node);
    FormulaValue call(const FormulaNode& node);
    quint32 childIndex(const FormulaNode& node, quint32 i) const;

    const FormulaProgram& m_program;
    const FormulaContext& m_context;
    CellAddress m_host;
};
