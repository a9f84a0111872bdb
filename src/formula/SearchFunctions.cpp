#include "formula/CharacterCount.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/RegexCache.h"
#include "formula/WholeArgument.h"

namespace {

bool hasWildcards(const QString& pattern)
{
    return pattern.contains(u'*') || pattern.contains(u'?') || pattern.contains(u'~');
}

// SEARCH's pattern as a regular expression: ? one character, * any run, ~ before ?, * or ~
// the character itself.
QString wildcardExpression(const QString& pattern)
{
    QString expression;
    QString literal;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'~' && i + 1 < pattern.size() && QStringView(u"?*~").contains(pattern[i + 1])) {
            literal += pattern[++i];
            continue;
        }
        if (c != u'?' && c != u'*') {
            literal += c;
            continue;
        }
        expression += QRegularExpression::escape(literal);
        literal.clear();
        expression += c == u'?' ? u"." : u".*?";
    }
    return expression + QRegularExpression::escape(literal);
}

// FIND and SEARCH: the 1-based character position of what is found, from a start position.
template <bool ignoringCase> FormulaValue position(FunctionArguments& arguments)
{
    const Checked<QString> wanted = arguments.text(0);
    const Checked<QString> within = arguments.text(1);
    const Checked<double> start = arguments.number(2, 1);
    if (const std::optional<FormulaError> error = firstError(wanted, within, start))
        return *error;
    if (*start < 1 || *start > double(characterCount(*within)))
        return FormulaError::Value;
    const qsizetype from = characterIndex(*within, wholeArgument(*start));
    qsizetype found = -1;
    if (ignoringCase && hasWildcards(*wanted)) {
        const QRegularExpression& expression =
            cachedExpression(wildcardExpression(*wanted), QRegularExpression::CaseInsensitiveOption |
                                                              QRegularExpression::DotMatchesEverythingOption);
        found = expression.match(*within, from).capturedStart();
    } else {
        found = within->indexOf(*wanted, from, ignoringCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    }
    if (found < 0)
        return FormulaError::Value;
    return FormulaValue::number(double(characterPosition(*within, found)));
}

FormulaValue substitute(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<QString> old = arguments.text(1);
    const Checked<QString> replacement = arguments.text(2);
    const Checked<double> instance = arguments.number(3, 0);
    if (const std::optional<FormulaError> error = firstError(text, old, replacement, instance))
        return *error;
    if (arguments.count() > 3 && *instance < 1)
        return FormulaError::Value;
    if (old->isEmpty())
        return FormulaValue::text(*text);
    if (arguments.count() <= 3)
        return FormulaValue::text(QString(*text).replace(*old, *replacement));
    // Occurrences are counted without overlapping, as they are replaced.
    qsizetype at = text->indexOf(*old);
    for (qint64 n = wholeArgument(*instance); at >= 0 && n > 1; --n)
        at = text->indexOf(*old, at + old->size());
    if (at < 0)
        return FormulaValue::text(*text);
    return FormulaValue::text(QString(*text).replace(at, old->size(), *replacement));
}

constexpr FormulaFunction Functions[] = {
    {u"FIND", u"FIND(要找的文本, 所在文本, [开始位置])", u"查找文本在另一段文本中的位置，区分大小写", 2, 3,
     position<false>},
    {u"SEARCH", u"SEARCH(要找的文本, 所在文本, [开始位置])",
     u"查找文本在另一段文本中的位置，不区分大小写，可用通配符 ? 和 *", 2, 3, position<true>},
    {u"SUBSTITUTE", u"SUBSTITUTE(文本, 旧文本, 新文本, [第几处])",
     u"把文本中的旧文本换成新文本，可只换第几处", 3, 4, substitute},
};

} // namespace

std::span<const FormulaFunction> searchFunctions()
{
    return Functions;
}
