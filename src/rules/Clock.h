#pragma once

#include <QDate>

// Today's date for the whole program; tests fix it.
namespace Clock {
QDate today();
void setTodayForTesting(QDate date); // an invalid date goes back to the system clock
} // namespace Clock
