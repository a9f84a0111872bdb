#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The date in the locale's short form, with the characters a file name cannot hold ("/", "\",
// ":") turned into "-": 2026/12/7 becomes 2026-12-7.
QString dateForFileName(QDate date, const QLocale& locale = QLocale());
