#include "formula/FormulaParser.h"

#include "formula/CellReference.h"
#include "formula/FormulaProgram.h"
#include "formula/FunctionCatalog.h"

#include <algorithm>

namespace {

using Kind = FormulaToken::Kind;

// Deeper nesting than any formula a person writes; it keeps the parser's recursion bounded.
constexpr int MaxDepth = 100;

QString argumentCountMessage(const FormulaFunction& function)
{
    const QString name = function.name.toString();
    if (function.maxArguments == 0)
        return QStringLiteral("函数 %1 不需要参数").arg(name);
    if (function.minArguments == function.maxArguments)
        return QStringLiteral("函数 %1 需要 %2 个参数").arg(name).arg(function.minArguments);
    if (function.maxArguments >= 250)
        return QStringLiteral("函数 %1 至少需要 %2 个参数").arg(name).arg(function.minArguments);
    return QStringLiteral("函数 %1 需要 %2 到 %3 个参数")
        .arg(name)
        .arg(function.minArguments)
        .arg(function.maxArguments);
}

// Puts a range's corners top left and bottom right as seen from the cell typed into, each axis
// on its own, as spreadsheets turn B10:B2 into B2:B10.
void orderCorners(CellReference& first, CellReference& last, CellAddress host)
{
    if (first.rowAt(host.row) > last.rowAt(host.row)) {
        std::swap(first.row, last.row);
        std::swap(first.rowAbsolute, last.rowAbsolute);
    }
    if (first.columnAt(host.column) > last.columnAt(host.column)) {
        std::swap(first.column, last.column);
        std::swap(first.columnAbsolute, last.columnAbsolute);
    }
}

} // namespace

std::optional<FormulaSyntaxError> FormulaParser::parse()
{
    if (peek().kind == Kind::End)
        return FormulaSyntaxError{peek().position, QStringLiteral("等号后面缺少内容")};
    const Node root = comparison();
    if (root && peek().kind != Kind::End) {
        if (peek().kind == Kind::RightParen)
            fail(peek().position, QStringLiteral("多余的右括号"));
        else
            fail(peek().position, QStringLiteral("此处缺少运算符"));
    }
    if (m_error)
        return m_error;
    m_program.root = *root;
    return std::nullopt;
}

FormulaParser::Node FormulaParser::comparison()
{
    return binary(&FormulaParser::concatenation, {{Kind::Equal, FormulaOperator::Equal},
                                                  {Kind::NotEqual, FormulaOperator::NotEqual},
                                                  {Kind::Less, FormulaOperator::Less},
                                                  {Kind::Greater, FormulaOperator::Greater},
                                                  {Kind::LessOrEqual, FormulaOperator::LessOrEqual},
                                                  {Kind::GreaterOrEqual, FormulaOperator::GreaterOrEqual}});
}

FormulaParser::Node FormulaParser::concatenation()
{
    const Node first = additive();
    if (!first || peek().kind != Kind::Ampersand)
        return first;
    std::vector<quint32> operands{*first};
    while (takeIf(Kind::Ampersand)) {
        const Node operand = additive();
        if (!operand)
            return std::nullopt;
        operands.push_back(*operand);
    }
    return add({.kind = FormulaNode::Kind::Operator, .op = FormulaOperator::Concatenate}, operands);
}

FormulaParser::Node FormulaParser::additive()
{
    return binary(&FormulaParser::multiplicative,
                  {{Kind::Plus, FormulaOperator::Add}, {Kind::Minus, FormulaOperator::Subtract}});
}

FormulaParser::Node FormulaParser::multiplicative()
{
    return binary(&FormulaParser::power,
                  {{Kind::Star, FormulaOperator::Multiply}, {Kind::Slash, FormulaOperator::Divide}});
}

FormulaParser::Node FormulaParser::power()
{
    return binary(&FormulaParser::postfix, {{Kind::Caret, FormulaOperator::Power}});
}

FormulaParser::Node FormulaParser::binary(Level operand, Operators operators)
{
    Node left = (this->*operand)();
    while (left) {
        const auto match = std::find_if(operators.begin(), operators.end(),
                                        [&](const auto& entry) { return entry.first == peek().kind; });
        if (match == operators.end())
            break;
        take();
        const Node right = (this->*operand)();
        if (!right)
            return std::nullopt;
        left = add({.kind = FormulaNode::Kind::Operator, .op = match->second}, {*left, *right});
    }
    return left;
}

FormulaParser::Node FormulaParser::postfix()
{
    Node operand = unary();
    while (operand && takeIf(Kind::Percent))
        operand = add({.kind = FormulaNode::Kind::Percent}, {*operand});
    return operand;
}

FormulaParser::Node FormulaParser::unary()
{
    if (peek().kind != Kind::Minus && peek().kind != Kind::Plus)
        return primary();
    const FormulaToken& sign = take();
    if (++m_depth > MaxDepth)
        return fail(sign.position, QStringLiteral("公式嵌套过深"));
    const Node operand = unary();
    --m_depth;
    if (!operand)
        return std::nullopt;
    const bool minus = sign.kind == Kind::Minus;
    return add({.kind = minus ? FormulaNode::Kind::Negate : FormulaNode::Kind::UnaryPlus}, {*operand});
}

FormulaParser::Node FormulaParser::primary()
{
    const FormulaToken& token = peek();
    switch (token.kind) {
    case Kind::Number:
        take();
        return add({.kind = FormulaNode::Kind::Number, .number = token.number});
    case Kind::Text:
        take();
        return add({.kind = FormulaNode::Kind::Text, .index = addText(token.text)});
    case Kind::Error:
        take();
        return add({.kind = FormulaNode::Kind::Error, .error = token.error});
    case Kind::LeftParen:
        return parenthesized();
    case Kind::Word:
        return word();
    case Kind::End:
        return fail(token.position, QStringLiteral("公式不完整"));
    default:
        return fail(token.position, QStringLiteral("此处应有数值、文本、单元格或函数"));
    }
}

FormulaParser::Node FormulaParser::parenthesized()
{
    const qsizetype opened = take().position;
    if (++m_depth > MaxDepth)
        return fail(opened, QStringLiteral("公式嵌套过深"));
    const Node inner = comparison();
    --m_depth;
    if (!inner)
        return std::nullopt;
    if (!takeIf(Kind::RightParen))
        return fail(peek().position, QStringLiteral("缺少右括号"));
    return add({.kind = FormulaNode::Kind::Parentheses}, {*inner});
}

FormulaParser::Node FormulaParser::word()
{
    const FormulaToken& token = take();
    if (peek().kind == Kind::LeftParen)
        return call(token);
    if (const std::optional<CellReference> cell = CellReference::fromText(token.text, m_host))
        return reference(*cell);
    if (token.text.compare(u"TRUE", Qt::CaseInsensitive) == 0 ||
        token.text.compare(u"FALSE", Qt::CaseInsensitive) == 0)
        return add({.kind = FormulaNode::Kind::Boolean, .number = token.text.size() == 4 ? 1.0 : 0.0});
    return add({.kind = FormulaNode::Kind::Name, .index = addText(token.text)});
}

FormulaParser::Node FormulaParser::reference(const CellReference& first)
{
    FormulaReference reference{first, first, false};
    if (takeIf(Kind::Colon)) {
        const FormulaToken& end = take();
        const std::optional<CellReference> last =
            end.kind == Kind::Word ? CellReference::fromText(end.text, m_host) : std::nullopt;
        if (!last)
            return fail(end.position, QStringLiteral("冒号后面应为单元格"));
        reference.last = *last;
        reference.isRange = true;
        orderCorners(reference.first, reference.last, m_host);
    }
    std::vector<FormulaReference>& references = m_program.references;
    auto known = std::find(references.begin(), references.end(), reference);
    if (known == references.end())
        known = references.insert(known, reference);
    return add({.kind = FormulaNode::Kind::Reference, .index = quint32(known - references.begin())});
}

FormulaParser::Node FormulaParser::call(const FormulaToken& name)
{
    std::vector<quint32> nodes;
    if (!arguments(nodes))
        return std::nullopt;
    const std::optional<quint32> index = FunctionCatalog::find(name.text);
    if (!index)
        return add({.kind = FormulaNode::Kind::UnknownCall, .index = addText(name.text)}, nodes);
    const FormulaFunction& function = FunctionCatalog::function(*index);
    if (int(nodes.size()) < function.minArguments || int(nodes.size()) > function.maxArguments)
        return fail(name.position, argumentCountMessage(function));
    m_program.isVolatile = m_program.isVolatile || function.isVolatile;
    m_program.readsOwnFile = m_program.readsOwnFile || function.readsOwnFile;
    return add({.kind = FormulaNode::Kind::Call, .index = *index}, nodes);
}

bool FormulaParser::arguments(std::vector<quint32>& nodes)
{
    const qsizetype opened = take().position;
    if (takeIf(Kind::RightParen))
        return true;
    if (++m_depth > MaxDepth)
        return bool(fail(opened, QStringLiteral("公式嵌套过深")));
    for (;;) {
        const Kind kind = peek().kind;
        const Node argument = kind == Kind::Comma || kind == Kind::RightParen
                                  ? add({.kind = FormulaNode::Kind::Missing})
                                  : comparison();
        if (!argument)
            return false;
        nodes.push_back(*argument);
        if (takeIf(Kind::RightParen))
            break;
        if (!takeIf(Kind::Comma))
            return bool(fail(peek().position, QStringLiteral("缺少右括号")));
    }
    --m_depth;
    return true;
}

quint32 FormulaParser::add(FormulaNode node, const std::vector<quint32>& children)
{
    node.firstChild = quint32(m_program.children.size());
    node.childCount = quint32(children.size());
    m_program.children.insert(m_program.children.end(), children.begin(), children.end());
    m_program.nodes.push_back(node);
    return quint32(m_program.nodes.size() - 1);
}

quint32 FormulaParser::addText(const QString& text)
{
    m_program.texts.push_back(text);
    return quint32(m_program.texts.size() - 1);
}

bool FormulaParser::takeIf(FormulaToken::Kind kind)
{
    if (peek().kind != kind)
        return false;
    ++m_at;
    return true;
}

FormulaParser::Node FormulaParser::fail(qsizetype position, QString message)
{
    if (!m_error)
        m_error = FormulaSyntaxError{position, std::move(message)};
    return std::nullopt;
}
