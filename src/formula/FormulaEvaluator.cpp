#include "formula/FormulaEvaluator.h"

#include "formula/FormulaContext.h"
#include "formula/FormulaOperators.h"
#include "formula/FormulaProgram.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionCatalog.h"
#include "formula/ValueText.h"
#include "workbook/WorkbookLimits.h"

FormulaValue FormulaEvaluator::value(quint32 index)
{
    const FormulaNode& node = m_program.nodes[index];
    switch (node.kind) {
    case FormulaNode::Kind::Number:
        return FormulaValue::number(node.number);
    case FormulaNode::Kind::Text:
        return FormulaValue::text(m_program.texts[node.index]);
    case FormulaNode::Kind::Boolean:
        return FormulaValue::boolean(node.number != 0);
    case FormulaNode::Kind::Error:
        return node.error;
    case FormulaNode::Kind::Missing:
        return {};
    case FormulaNode::Kind::Reference:
        return referenceValue(m_program.references[node.index]);
    case FormulaNode::Kind::Name:
    case FormulaNode::Kind::UnknownCall:
        return FormulaError::Name;
    case FormulaNode::Kind::Parentheses:
    case FormulaNode::Kind::UnaryPlus:
        return value(childIndex(node, 0));
    case FormulaNode::Kind::Negate:
        return negated(value(childIndex(node, 0)));
    case FormulaNode::Kind::Percent:
        return percentOf(value(childIndex(node, 0)));
    case FormulaNode::Kind::Operator:
        if (node.op == FormulaOperator::Concatenate)
            return concatenation(node);
        return applyOperator(node.op, value(childIndex(node, 0)), value(childIndex(node, 1)));
    case FormulaNode::Kind::Call:
        break;
    }
    return call(node);
}

const FormulaReference* FormulaEvaluator::reference(quint32 index) const
{
    const FormulaNode* node = &m_program.nodes[index];
    while (node->kind == FormulaNode::Kind::Parentheses)
        node = &m_program.child(*node, 0);
    return node->kind == FormulaNode::Kind::Reference ? &m_program.references[node->index] : nullptr;
}

FormulaValue FormulaEvaluator::referenceValue(const FormulaReference& reference) const
{
    const std::optional<CellRange> range = reference.at(m_host);
    if (!range)
        return FormulaError::Ref;
    if (range->top == range->bottom && range->left == range->right)
        return m_context.cellValue(range->top, range->left);
    if (range->left == range->right && range->top <= m_host.row && m_host.row <= range->bottom)
        return m_context.cellValue(m_host.row, range->left);
    if (range->top == range->bottom && range->left <= m_host.column && m_host.column <= range->right)
        return m_context.cellValue(range->top, m_host.column);
    return FormulaError::Value;
}

FormulaValue FormulaEvaluator::concatenation(const FormulaNode& node)
{
    QString joined;
    joined.reserve(64);
    for (quint32 i = 0; i < node.childCount; ++i) {
        const FormulaValue operand = value(childIndex(node, i));
        if (operand.isError())
            return operand;
        joined += operand.isText() ? operand.asText() : shownText(operand);
    }
    if (joined.size() > WorkbookLimits::MaxCellText)
        return FormulaError::Value;
    return FormulaValue::text(std::move(joined));
}

FormulaValue FormulaEvaluator::call(const FormulaNode& node)
{
    FunctionArguments arguments(*this, m_program.children.data() + node.firstChild, int(node.childCount));
    return FunctionCatalog::function(node.index).evaluate(arguments);
}

quint32 FormulaEvaluator::childIndex(const FormulaNode& node, quint32 i) const
{
    return m_program.children[node.firstChild + i];
}
