#include "rules/WholeNumber.h"

#include <algorithm>

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
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

    qint64 value = 0;
    for (QChar ch : whole) {
        if (!isDigit(ch))
            return std::nullopt;
        value = std::min(value * 10 + (ch.unicode() - u'0'), WholeNumberLimit);
    }
    for (QChar ch : fraction)
        if (!isDigit(ch))
            return std::nullopt;

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
