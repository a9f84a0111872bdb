#include "workbook/IsoDate.h"

#include "formula/DateSerial.h"

#include <QDate>
#include <QTime>

namespace IsoDate {

std::optional<double> serial(QStringView text)
{
    const qsizetype t = text.indexOf(u'T');
    const QDate date = QDate::fromString(t < 0 ? text : text.first(t), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    double fraction = 0;
    if (t >= 0) {
        QStringView clock = text.sliced(t + 1);
        for (qsizetype i = 0; i < clock.size(); ++i) {
            if (clock[i] == u'Z' || clock[i] == u'+' || clock[i] == u'-') {
                clock = clock.first(i);
                break;
            }
        }
        // QTime reads whole seconds here; the fraction is added apart.
        const qsizetype dot = clock.indexOf(u'.');
        const QTime time = QTime::fromString(dot < 0 ? clock : clock.first(dot), Qt::ISODate);
        if (!time.isValid())
            return std::nullopt;
        double seconds = time.msecsSinceStartOfDay() / 1000.0;
        if (dot >= 0) {
            bool ok = false;
            seconds += (QStringLiteral("0") + clock.sliced(dot).toString()).toDouble(&ok);
            if (!ok)
                return std::nullopt;
        }
        fraction = seconds / 86400;
    }
    return serialFromDate(date) + fraction;
}

std::optional<double> days(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.sliced(1);
    if (!text.startsWith(u'P') || text.size() < 2)
        return std::nullopt;
    double total = 0;
    bool inTime = false;
    qsizetype numberStart = -1;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'T' && numberStart < 0 && !inTime) {
            inTime = true;
            continue;
        }
        if (c.isDigit() || c == u'.') {
            if (numberStart < 0)
                numberStart = i;
            continue;
        }
        if (numberStart < 0)
            return std::nullopt;
        bool ok = false;
        const double amount = text.sliced(numberStart, i - numberStart).toDouble(&ok);
        numberStart = -1;
        if (!ok)
            return std::nullopt;
        if (!inTime && c == u'D')
            total += amount;
        else if (inTime && c == u'H')
            total += amount / 24;
        else if (inTime && c == u'M')
            total += amount / 1440;
        else if (inTime && c == u'S')
            total += amount / 86400;
        else
            return std::nullopt;
    }
    if (numberStart >= 0)
        return std::nullopt;
    return negative ? -total : total;
}

} // namespace IsoDate
