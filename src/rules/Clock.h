#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and the current time for the whole program; tests fix them.
namespace Clock {
QDate today();
void setTodayForTesting(QDate date); // an invalid date goes back to the system clock
QDateTime now();
void setNowForTesting(const QDateTime& time); // an invalid time goes back to the system clock
} // namespace Clock
