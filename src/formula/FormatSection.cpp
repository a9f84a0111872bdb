#include "formula/FormatSection.h"

#include "formula/DecimalRounding.h"
#include "formula/ValueText.h"

#include <algorithm>
#include <charconv>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int SignificantDigits = 15;

// The integer and fraction digits of a non-negative number rounded to decimals, with digits
// beyond the fifteenth significant one shown as zeros, as spreadsheets keep no more.
std::pair<QString, QString> decimalDigits(double magnitude, int decimals)
{
    const double rounded = roundHalfAwayFromZero(magnitude, decimals);
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, rounded, std::chars_format::fixed, decimals);
    const qsizetype length = result.ec == std::errc() ? result.ptr - digits : 0;
    int significant = 0;
    for (qsizetype i = 0; i < length; ++i)
        if (digits[i] != '.' && (significant > 0 || digits[i] != '0') && ++significant > SignificantDigits)
            digits[i] = '0';
    const QLatin1StringView all(digits, length);
    const qsizetype point = decimals > 0 ? all.indexOf(u'.') : length;
    const QLatin1StringView whole = all.first(point);
    return {whole == "0"_L1 ? QString() : QString(whole), QString(all.sliced(std::min(point + 1, length)))};
}

QString groupedThousands(const QString& digits)
{
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits[i];
    }
    return grouped;
}

QString filler(QChar digit)
{
    if (digit == u'0')
        return QStringLiteral("0");
    return digit == u'?' ? QStringLiteral(" ") : QString();
}

QString padded(int number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

QString englishName(const char* const* names, int index, int width)
{
    const QString name = QString::fromLatin1(names[index]);
    return width == 3 ? name.left(3) : (width == 5 ? name.left(1) : name);
}

const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

} // namespace

QString FormatSection::number(double magnitude, bool* showsZero) const
{
    for (int i = 0; i < percents; ++i)
        magnitude *= 100;
    for (int i = 0; i < thousandsScale; ++i)
        magnitude /= 1000;
    auto [whole, fraction] = decimalDigits(magnitude, decimals);
    *showsZero = std::all_of(whole.begin(), whole.end(), [](QChar c) { return c == u'0'; }) &&
                 std::all_of(fraction.begin(), fraction.end(), [](QChar c) { return c == u'0'; });

    int integerPlaces = 0;
    int integerZeros = 0;
    for (const FormatPiece& piece : pieces) {
        if (piece.kind == FormatPiece::Kind::DecimalPoint)
            break;
        if (piece.kind == FormatPiece::Kind::Digit) {
            ++integerPlaces;
            integerZeros += piece.digit == u'0' ? 1 : 0;
        }
    }
    // Digits fill the integer places from the right; the leftmost place takes all that remain.
    QString text;
    int place = 0;
    int fractionPlace = 0;
    bool inFraction = false;
    qsizetype lastFractionDigit = fraction.size() - 1;
    for (const FormatPiece& piece : pieces) {
        switch (piece.kind) {
        case FormatPiece::Kind::DecimalPoint:
            inFraction = true;
            text += u'.';
            // Trailing zeros in # places are left out.
            for (qsizetype i = fraction.size() - 1; i >= 0 && fraction[i] == u'0'; --i)
                lastFractionDigit = i - 1;
            break;
        case FormatPiece::Kind::Digit:
            if (inFraction) {
                const int at = fractionPlace++;
                if (at <= lastFractionDigit || piece.digit == u'0')
                    text += fraction[at];
                else
                    text += filler(piece.digit);
            } else if (grouping) {
                if (place++ == 0)
                    text += groupedThousands(whole.rightJustified(integerZeros, u'0'));
            } else {
                const qsizetype fromRight = integerPlaces - 1 - place++;
                const qsizetype end = whole.size() - fromRight;
                if (fromRight == integerPlaces - 1 && end > 0)
                    text += whole.left(end);
                else if (end > 0)
                    text += whole[end - 1];
                else
                    text += filler(piece.digit);
            }
            break;
        case FormatPiece::Kind::Text:
        case FormatPiece::Kind::General:
            text += generalNumberText(magnitude);
            break;
        default:
            text += piece.text;
            break;
        }
    }
    return text;
}

QString FormatSection::dateTime(const SerialParts& parts) const
{
    QString text;
    for (const FormatPiece& piece : pieces) {
        switch (piece.kind) {
        case FormatPiece::Kind::Year:
            text += piece.width <= 2 ? padded(parts.year % 100, 2) : padded(parts.year, 4);
            break;
        case FormatPiece::Kind::Month:
            if (piece.width <= 2)
                text += padded(parts.month, piece.width);
            else
                text += englishName(MonthNames, parts.month - 1, piece.width);
            break;
        case FormatPiece::Kind::Day:
            text += padded(parts.day, piece.width);
            break;
        case FormatPiece::Kind::Weekday:
            text += englishName(DayNames, parts.weekday, piece.width);
            break;
        case FormatPiece::Kind::ChineseWeekday:
            if (piece.width > 3)
                text += u"星期";
            text += QStringView(u"日一二三四五六").mid(parts.weekday, 1);
            break;
        case FormatPiece::Kind::Hour:
            text += padded(twelveHour ? (parts.hour + 11) % 12 + 1 : parts.hour, piece.width);
            break;
        case FormatPiece::Kind::Minute:
            text += padded(parts.minute, piece.width);
            break;
        case FormatPiece::Kind::Second:
            text += padded(parts.second, piece.width);
            break;
        case FormatPiece::Kind::AmPm:
            text += piece.text.section(u'/', parts.hour < 12 ? 0 : 1, parts.hour < 12 ? 0 : 1);
            break;
        case FormatPiece::Kind::Digit:
            text += piece.digit;
            break;
        case FormatPiece::Kind::DecimalPoint:
            text += u'.';
            break;
        default:
            text += piece.text;
            break;
        }
    }
    return text;
}

QString FormatSection::text(const QString& value) const
{
    QString text;
    for (const FormatPiece& piece : pieces)
        text += piece.kind == FormatPiece::Kind::Text ? value : piece.text;
    return text;
}
