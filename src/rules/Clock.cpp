#include "rules/Clock.h"

namespace {
QDate fixedToday;
QDateTime fixedNow;
} // namespace

QDate Clock::today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void Clock::setTodayForTesting(QDate date)
{
    fixedToday = date;
}

QDateTime Clock::now()
{
    return fixedNow.isValid() ? fixedNow : QDateTime::currentDateTime();
}

void Clock::setNowForTesting(const QDateTime& time)
{
    fixedNow = time;
}
