#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/RegexCache.h"
#include "formula/WholeArgument.h"

#include <vector>

namespace {

// The compiled pattern of argument patternAt, its case sensitivity from argument caseAt
// (0 or left out: case counts, 1: it does not); #VALUE! for a pattern that does not compile.
Checked<const QRegularExpression*> expression(const FunctionArguments& arguments, int patternAt, int caseAt)
{
    const Checked<QString> pattern = arguments.text(patternAt);
    const Checked<double> caseSensitivity = arguments.number(caseAt, 0);
    if (const std::optional<FormulaError> error = firstError(pattern, caseSensitivity))
        return *error;
    if (*caseSensitivity != 0 && *caseSensitivity != 1)
        return FormulaError::Value;
    const QRegularExpression& compiled =
        cachedExpression(*pattern, *caseSensitivity == 1 ? QRegularExpression::CaseInsensitiveOption
                                                         : QRegularExpression::NoPatternOption);
    if (!compiled.isValid())
        return FormulaError::Value;
    return &compiled;
}

// The replacement with $0, $1 ... $99, ${n} or ${name} put in for the match's groups and $$
// for "$".
QString expanded(const QString& replacement, const QRegularExpressionMatch& match)
{
    QString text;
    for (qsizetype i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement[i];
        const QChar next = i + 1 < replacement.size() ? replacement[i + 1] : QChar();
        if (c != u'$' || next.isNull()) {
            text += c;
        } else if (next == u'$') {
            text += u'$';
            ++i;
        } else if (next == u'{' && replacement.indexOf(u'}', i) > 0) {
            const qsizetype close = replacement.indexOf(u'}', i);
            const QString group = replacement.sliced(i + 2, close - i - 2);
            bool isNumber = false;
            const int number = group.toInt(&isNumber);
            text += isNumber ? match.captured(number) : match.captured(group);
            i = close;
        } else if (next.isDigit()) {
            int group = next.digitValue();
            ++i;
            if (i + 1 < replacement.size() && replacement[i + 1].isDigit() &&
                group * 10 + replacement[i + 1].digitValue() <= match.lastCapturedIndex())
                group = group * 10 + replacement[++i].digitValue();
            text += match.captured(group);
        } else {
            text += c;
        }
    }
    return text;
}

FormulaValue regexTest(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<const QRegularExpression*> pattern = expression(arguments, 1, 2);
    if (const std::optional<FormulaError> error = firstError(text, pattern))
        return *error;
    return FormulaValue::boolean((*pattern)->match(*text).hasMatch());
}

// Mode 0 gives the first match. Modes 1 (every match) and 2 (the groups of the first match)
// give arrays, which a cell shows by their first item.
FormulaValue regexExtract(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<const QRegularExpression*> pattern = expression(arguments, 1, 3);
    const Checked<double> mode = arguments.number(2, 0);
    if (const std::optional<FormulaError> error = firstError(text, pattern, mode))
        return *error;
    if (*mode != 0 && *mode != 1 && *mode != 2)
        return FormulaError::Value;
    const QRegularExpressionMatch match = (*pattern)->match(*text);
    if (!match.hasMatch() || (*mode == 2 && match.lastCapturedIndex() < 1))
        return FormulaError::NA;
    return FormulaValue::text(match.captured(*mode == 2 ? 1 : 0));
}

FormulaValue regexReplace(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<const QRegularExpression*> pattern = expression(arguments, 1, 4);
    const Checked<QString> replacement = arguments.text(2);
    const Checked<double> occurrence = arguments.number(3, 0);
    if (const std::optional<FormulaError> error = firstError(text, pattern, replacement, occurrence))
        return *error;
    std::vector<QRegularExpressionMatch> matches;
    for (QRegularExpressionMatchIterator it = (*pattern)->globalMatch(*text); it.hasNext();)
        matches.push_back(it.next());
    // 0 replaces every match, n the n-th, -n the n-th from the end.
    const qint64 which = wholeArgument(*occurrence);
    const auto count = qint64(matches.size());
    const qint64 only = which > 0 ? which - 1 : count + which;
    QString result;
    qsizetype copied = 0;
    for (qint64 i = 0; i < count; ++i) {
        if (which != 0 && i != only)
            continue;
        const QRegularExpressionMatch& match = matches[size_t(i)];
        result += QStringView(*text).sliced(copied, match.capturedStart() - copied);
        result += expanded(*replacement, match);
        copied = match.capturedEnd();
    }
    result += QStringView(*text).sliced(copied);
    return FormulaValue::text(result);
}

constexpr FormulaFunction Functions[] = {
    {u"REGEXTEST", u"REGEXTEST(文本, 模式, [不区分大小写])", u"判断文本中是否有与正则表达式相符的部分", 2, 3,
     regexTest},
    {u"REGEXEXTRACT", u"REGEXEXTRACT(文本, 模式, [返回方式], [不区分大小写])",
     u"取出文本中与正则表达式相符的部分", 2, 4, regexExtract},
    {u"REGEXREPLACE", u"REGEXREPLACE(文本, 模式, 替换为, [第几处], [不区分大小写])",
     u"把文本中与正则表达式相符的部分换成新文本，可用 $1 等引用分组", 3, 5, regexReplace},
};

} // namespace

std::span<const FormulaFunction> regexFunctions()
{
    return Functions;
}
