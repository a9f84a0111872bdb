#include "base/Utf16.h"
#include "formula/FunctionArguments.h"
#include "formula/FunctionGroups.h"
#include "formula/WholeArgument.h"

namespace {

// CHAR reads codes as Windows-1252 does, as spreadsheets on Western systems do; 128 to 159
// hold the signs Latin-1 lacks (128 is €), and its five gaps stay unassigned.
constexpr char16_t Windows1252High[32] = {
    u'€', 0x81, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0x8D, u'Ž', 0x8F,
    0x90, u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0x9D, u'ž', u'Ÿ',
};

// The code given to CHAR or UNICHAR, from 1 to last; #VALUE! outside.
Checked<qint64> code(const FunctionArguments& arguments, qint64 last)
{
    const Checked<double> number = arguments.number(0);
    if (!number)
        return number.error();
    const qint64 whole = wholeArgument(*number);
    if (whole < 1 || whole > last)
        return FormulaError::Value;
    return whole;
}

FormulaValue character(FunctionArguments& arguments)
{
    const Checked<qint64> given = code(arguments, 255);
    if (!given)
        return given.error();
    const char16_t unit = *given >= 128 && *given < 160 ? Windows1252High[*given - 128] : char16_t(*given);
    return FormulaValue::text(QString(QChar(unit)));
}

FormulaValue unicodeCharacter(FunctionArguments& arguments)
{
    const Checked<qint64> given = code(arguments, 0x10FFFF);
    if (!given)
        return given.error();
    if (*given >= 0xD800 && *given <= 0xDFFF)
        return FormulaError::NA;
    const auto point = char32_t(*given);
    return FormulaValue::text(QString::fromUcs4(&point, 1));
}

FormulaValue unicode(FunctionArguments& arguments)
{
    const Checked<QString> text = arguments.text(0);
    if (!text)
        return text.error();
    if (text->isEmpty())
        return FormulaError::Value;
    return FormulaValue::number(Utf16::codePointAt(*text, 0));
}

constexpr FormulaFunction Functions[] = {
    {u"CHAR", u"CHAR(代码)", u"代码 1 到 255 对应的字符，如 65 为 A", 1, 1, character},
    {u"UNICHAR", u"UNICHAR(码位)", u"Unicode 码位对应的字符，如 20013 为“中”", 1, 1, unicodeCharacter},
    {u"UNICODE", u"UNICODE(文本)", u"文本第一个字符的 Unicode 码位", 1, 1, unicode},
};

} // namespace

std::span<const FormulaFunction> characterFunctions()
{
    return Functions;
}
