#include "rules/Clock.h"

namespace {
QDate fixedToday;
}

QDate Clock::today()
{
    return fixedToday.isValid() ? fixedToday : QDate::currentDate();
}

void Clock::setTodayForTesting(QDate date)
{
    fixedToday = date;
}
