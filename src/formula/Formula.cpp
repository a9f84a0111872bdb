#include "formula/Formula.h"

#include <QHashFunctions>

#include "formula/FormulaEvaluator.h"
#include "formula/FormulaLexer.h"
#include "formula/FormulaParser.h"
#include "formula/FormulaText.h"

namespace {

// As in spreadsheets; it also bounds how deep a chain of operators makes evaluation recurse.
constexpr qsizetype MaxLength = 8192;

} // namespace

FormulaParseResult Formula::parse(const QString& text, CellAddress host)
{
    if (!text.startsWith(u'='))
        return {nullptr, {0, QStringLiteral("公式要以等号（=）开头")}};
    if (text.size() > MaxLength)
        return {nullptr, {MaxLength, QStringLiteral("公式太长，最多 %1 个字符").arg(MaxLength)}};
    std::vector<FormulaToken> tokens;
    if (std::optional<FormulaSyntaxError> error = FormulaLexer(text, 1).tokenize(tokens))
        return {nullptr, std::move(*error)};
    FormulaProgram program;
    if (std::optional<FormulaSyntaxError> error = FormulaParser(tokens, host, program).parse())
        return {nullptr, std::move(*error)};
    return {std::make_shared<const Formula>(std::move(program)), {}};
}

FormulaValue Formula::evaluate(const FormulaContext& context, CellAddress host) const
{
    FormulaValue value = FormulaEvaluator(m_program, context, host).value(m_program.root);
    if (value.isEmpty())
        return FormulaValue::number(0);
    return value;
}

QString Formula::text(CellAddress host) const
{
    return formulaText(m_program, host);
}

QString Formula::workbookText(CellAddress host) const
{
    return formulaText(m_program, host, FormulaDialect::Workbook);
}

bool Formula::isPortable() const
{
    return !callsOwnFunctions(m_program);
}

bool Formula::isCallOfConstants() const
{
    const FormulaNode& root = m_program.nodes[m_program.root];
    if (root.kind != FormulaNode::Kind::Call)
        return false;
    for (quint32 i = 0; i < root.childCount; ++i) {
        const FormulaNode::Kind kind = m_program.child(root, i).kind;
        if (kind != FormulaNode::Kind::Number && kind != FormulaNode::Kind::Text &&
            kind != FormulaNode::Kind::Boolean)
            return false;
    }
    return true;
}

size_t qHash(const Formula& formula, size_t seed)
{
    const FormulaProgram& program = formula.m_program;
    QtPrivate::QHashCombine combine;
    seed = combine(seed, program.nodes.size());
    for (const FormulaNode& node : program.nodes) {
        seed = combine(seed, quint32(node.kind) | quint32(node.op) << 8 | quint32(node.error) << 16);
        seed = combine(seed, node.index);
        seed = combine(seed, node.number);
    }
    for (const QString& text : program.texts)
        seed = combine(seed, text);
    for (const FormulaReference& reference : program.references) {
        seed = combine(seed, reference.first.row);
        seed = combine(seed, reference.first.column);
        seed = combine(seed, reference.last.row);
        seed = combine(seed, reference.last.column);
    }
    return seed;
}
