#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaNode.h"
#include "formula/FormulaSyntaxError.h"
#include "formula/FormulaToken.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

struct CellReference;
struct FormulaProgram;

// Builds a formula's nodes from its tokens by the precedence of the language, highest first:
// ":" , unary "-", "%", "^", "*" "/", "+" "-", "&", comparisons; "^" too goes left to right.
class FormulaParser
{
public:
    // host is the cell the formula is typed into: relative references are kept against it.
    FormulaParser(const std::vector<FormulaToken>& tokens, CellAddress host, FormulaProgram& program)
        : m_tokens(tokens), m_host(host), m_program(program)
    {
    }

    std::optional<FormulaSyntaxError> parse();

private:
    using Node = std::optional<quint32>; // nothing once an error is found
    using Level = Node (FormulaParser::*)();
    using Operators = std::initializer_list<std::pair<FormulaToken::Kind, FormulaOperator>>;

    Node comparison();
    Node concatenation();
    Node additive();
    Node multiplicative();
    Node power();
    Node binary(Level operand, Operators operators);
    Node postfix();
    Node unary();
    Node primary();
    Node parenthesized();
    Node word();
    Node reference(const CellReference& first);
    Node call(const FormulaToken& name);
    bool arguments(std::vector<quint32>& nodes);

    quint32 add(FormulaNode node, const std::vector<quint32>& children = {});
    quint32 addText(const QString& text);
    const FormulaToken& peek() const { return m_tokens[m_at]; }
    // The next token, moving past it unless it is the end.
    const FormulaToken& take() { return m_tokens[m_at < m_tokens.size() - 1 ? m_at++ : m_at]; }
    bool takeIf(FormulaToken::Kind kind);
    Node fail(qsizetype position, QString message);

    const std::vector<FormulaToken>& m_tokens;
    CellAddress m_host;
    FormulaProgram& m_program;
    size_t m_at = 0;
    int m_depth = 0;
    std::optional<FormulaSyntaxError> m_error;
};
