#include "formula/CharacterCount.h"
#include "formula/Coercion.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/NumberFormat.h"
#include "formula/NumberText.h"
#include "formula/WholeArgument.h"
#include "rules/Characters.h"
#include "workbook/WorkbookLimits.h"

namespace {

// LEFT and RIGHT: n characters from one end, one when n is left out.
template <QString (*cut)(const QString&, qint64)> FormulaValue endPiece(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<double> count = arguments.number(1, 1);
    if (const std::optional<FormulaError> error = firstError(text, count))
        return *error;
    if (*count < 0)
        return FormulaError::Value;
    return FormulaValue::text(cut(*text, wholeArgument(*count)));
}

FormulaValue mid(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<double> start = arguments.number(1);
    const Checked<double> count = arguments.number(2);
    if (const std::optional<FormulaError> error = firstError(text, start, count))
        return *error;
    if (*start < 1 || *count < 0)
        return FormulaError::Value;
    return FormulaValue::text(midCharacters(*text, wholeArgument(*start), wholeArgument(*count)));
}

FormulaValue len(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    if (!text)
        return text.error();
    return FormulaValue::number(double(characterCount(*text)));
}

FormulaValue replace(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<double> start = arguments.number(1);
    const Checked<double> count = arguments.number(2);
    const Checked<QString> inserted = arguments.text(3);
    if (const std::optional<FormulaError> error = firstError(text, start, count, inserted))
        return *error;
    if (*start < 1 || *count < 0)
        return FormulaError::Value;
    const qint64 from = wholeArgument(*start);
    return FormulaValue::text(
        leftCharacters(*text, from - 1) + *inserted +
        midCharacters(*text, from + wholeArgument(*count), WorkbookLimits::MaxCellText));
}

FormulaValue rept(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    const Checked<double> times = arguments.number(1);
    if (const std::optional<FormulaError> error = firstError(text, times))
        return *error;
    if (*times < 0 || double(text->size()) * std::trunc(*times) > WorkbookLimits::MaxCellText)
        return FormulaError::Value;
    return FormulaValue::text(text->repeated(qsizetype(*times)));
}

template <QString (*change)(const QString&)> FormulaValue changed(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    if (!text)
        return text.error();
    return FormulaValue::text(change(*text));
}

QString upper(const QString& text)
{
    return text.toUpper();
}

QString lower(const QString& text)
{
    return text.toLower();
}

// The first letter of each run of letters raised, the others lowered: "hello wORLD" is
// "Hello World", "it's" is "It'S".
QString proper(const QString& text)
{
    QString result = text;
    bool afterLetter = false;
    for (QChar& c : result) {
        const bool letter = c.isLetter();
        if (letter)
            c = afterLetter ? c.toLower() : c.toUpper();
        afterLetter = letter;
    }
    return result;
}

// Spaces (U+0020 only) cut from both ends and runs of them inside shrunk to one.
QString trim(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c == u' ' && (result.isEmpty() || result.back() == u' '))
            continue;
        result += c;
    }
    if (result.endsWith(u' '))
        result.chop(1);
    return result;
}

FormulaValue exact(FunctionArguments& arguments)
{
    const Checked<QString> first = arguments.text(0);
    const Checked<QString> second = arguments.text(1);
    if (const std::optional<FormulaError> error = firstError(first, second))
        return *error;
    return FormulaValue::boolean(*first == *second);
}

FormulaValue value(FunctionArguments& arguments)
{
    const FormulaValue value = arguments.value(0);
    if (value.isNumber() || value.isError())
        return value;
    if (value.isEmpty())
        return FormulaValue::number(0);
    if (value.isText())
        if (const std::optional<double> number = numberFromText(value.asText()))
            return FormulaValue::number(*number);
    return FormulaError::Value;
}

// Formats are read once and kept: a column of TEXT(A2,"000") uses one format throughout.
const NumberFormat& numberFormat(const QString& code)
{
    thread_local QString lastCode;
    thread_local std::optional<NumberFormat> lastFormat;
    if (!lastFormat || code != lastCode) {
        lastFormat.emplace(code);
        lastCode = code;
    }
    return *lastFormat;
}

FormulaValue text(FunctionArguments& arguments)
{
    const FormulaValue value = arguments.value(0);
    if (value.isError())
        return value;
    const Checked<QString> code = arguments.text(1);
    if (!code)
        return code.error();
    const NumberFormat& format = numberFormat(*code);
    // TRUE and FALSE are shown as texts, as spreadsheets show them.
    std::optional<double> number;
    if (value.isNumber() || value.isEmpty())
        number = value.asNumber();
    else if (value.isText())
        number = numberFromText(value.asText());
    if (!number)
        return FormulaValue::text(format.text(*toText(value)));
    const Checked<QString> shown = format.number(*number);
    if (!shown)
        return shown.error();
    return FormulaValue::text(*shown);
}

constexpr FormulaFunction Functions[] = {
    {u"LEFT", u"LEFT(文本, [字符数])", u"从文本开头取出指定个数的字符", 1, 2, endPiece<leftCharacters>},
    {u"RIGHT", u"RIGHT(文本, [字符数])", u"从文本末尾取出指定个数的字符", 1, 2, endPiece<rightCharacters>},
    {u"MID", u"MID(文本, 开始位置, 字符数)", u"从文本的指定位置起取出指定个数的字符", 3, 3, mid},
    {u"LEN", u"LEN(文本)", u"文本的字符个数", 1, 1, len},
    {u"REPLACE", u"REPLACE(原文本, 开始位置, 字符数, 新文本)", u"把文本中从指定位置起的若干字符换成新文本", 4,
     4, replace},
    {u"REPT", u"REPT(文本, 次数)", u"把文本重复指定的次数", 2, 2, rept},
    {u"UPPER", u"UPPER(文本)", u"把文本中的字母转为大写", 1, 1, changed<upper>},
    {u"LOWER", u"LOWER(文本)", u"把文本中的字母转为小写", 1, 1, changed<lower>},
    {u"PROPER", u"PROPER(文本)", u"把每个单词的首字母转为大写，其余字母转为小写", 1, 1, changed<proper>},
    {u"TRIM", u"TRIM(文本)", u"去掉文本首尾的空格，并把中间连续的空格缩为一个", 1, 1, changed<trim>},
    {u"EXACT", u"EXACT(文本1, 文本2)", u"比较两段文本是否完全相同（区分大小写）", 2, 2, exact},
    {u"VALUE", u"VALUE(文本)", u"把表示数字、日期或时间的文本转为数字", 1, 1, value},
    {u"TEXT", u"TEXT(值, 格式)", u"按格式把数字或日期转为文本，如 \"000\"、\"yyyy年m月d日\"", 2, 2, text},
};

} // namespace

std::span<const FormulaFunction> textFunctions()
{
    return Functions;
}
