#include "base/WholeNumber.h"

#include <algorithm>
#include <limits>

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

struct DigitsValue
{
    qint64 value = 0;
    bool held = false; // the digits stand for more than the limit, which the value holds
};

// The value of a run of digits, held at limit; nothing when any character is not a digit.
std::optional<DigitsValue> readDigits(QStringView digits, qint64 limit)
{
    DigitsValue read;
    for (QChar ch : digits) {
        if (!isDigit(ch))
            return std::nullopt;
        const int digit = ch.unicode() - u'0';
        if (read.value > (limit - digit) / 10) {
            read.value = limit;
            read.held = true;
        } else {
            read.value = read.value * 10 + digit;
        }
    }
    return read;
}

} // namespace

std::optional<qint64> wholeNumber(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;

    const std::optional<DigitsValue> wholePart = readDigits(whole, WholeNumberLimit);
    if (!wholePart || !readDigits(fraction, WholeNumberLimit))
        return std::nullopt;
    qint64 value = wholePart->value;

    // Rounded on the digits themselves: 2.5 is exactly a half, which a double may not keep.
    if (!fraction.isEmpty()) {
        const QChar first = fraction.front();
        const QStringView rest = fraction.sliced(1);
        const bool aboveHalf = std::any_of(rest.begin(), rest.end(), [](QChar ch) { return ch != u'0'; });
        if (first > u'5' || (first == u'5' && (aboveHalf || value % 2 == 1)))
            value = std::min(value + 1, WholeNumberLimit);
    }
    return negative ? -value : value;
}

std::optional<qint64> digitsOnlyNumber(QStringView text)
{
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const std::optional<DigitsValue> read = readDigits(text, std::numeric_limits<qint64>::max());
    if (!read || read->held)
        return std::nullopt;
    return read->value;
}
