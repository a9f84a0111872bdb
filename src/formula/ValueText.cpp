#include "formula/ValueText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int SignificantDigits = 15;

// The digits of the number rounded to 15 significant ones, without trailing zeros, and the
// decimal exponent of the first: 1234.5 gives "12345" and 3.
struct Digits
{
    char digits[SignificantDigits + 1] = {};
    int count = 0;
    int exponent = 0;
};

Digits significantDigits(double magnitude)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                   SignificantDigits - 1)
                         .ptr;
    Digits result;
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            result.digits[result.count++] = *p;
    while (result.count > 1 && result.digits[result.count - 1] == '0')
        --result.count;
    // to_chars writes no terminator, so the exponent is read up to the end it reported.
    if (p < end && p[1] == '+')
        ++p;
    std::from_chars(p + 1, end, result.exponent);
    return result;
}

} // namespace

QString generalNumberText(double number)
{
    if (!std::isfinite(number))
        return QStringLiteral("#NUM!");
    if (number == 0)
        return QStringLiteral("0");
    const Digits d = significantDigits(std::fabs(number));
    QString text;
    text.reserve(32);
    if (number < 0)
        text += u'-';
    if (d.exponent >= SignificantDigits || d.exponent < -9) {
        text += QLatin1Char(d.digits[0]);
        if (d.count > 1) {
            text += u'.';
            text += QLatin1StringView(d.digits + 1, d.count - 1);
        }
        text += d.exponent < 0 ? u"E-" : u"E+";
        const int magnitude = std::abs(d.exponent);
        if (magnitude < 10)
            text += u'0';
        text += QString::number(magnitude);
    } else if (d.exponent < 0) {
        text += u"0.";
        text += QString(-d.exponent - 1, u'0');
        text += QLatin1StringView(d.digits, d.count);
    } else {
        const int whole = d.exponent + 1;
        text += QLatin1StringView(d.digits, std::min(whole, d.count));
        if (d.count > whole) {
            text += u'.';
            text += QLatin1StringView(d.digits + whole, d.count - whole);
        } else {
            text += QString(whole - d.count, u'0');
        }
    }
    return text;
}

QString shownText(const FormulaValue& value)
{
    switch (value.type()) {
    case FormulaValue::Type::Empty:
        return {};
    case FormulaValue::Type::Number:
        return generalNumberText(value.asNumber());
    case FormulaValue::Type::Text:
        return value.asText();
    case FormulaValue::Type::Boolean:
        return value.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case FormulaValue::Type::Error:
        break;
    }
    return errorText(value.asError());
}
