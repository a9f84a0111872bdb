#include "rules/Numbering.h"

#include "rules/ColumnFill.h"
#include "table/Sheet.h"

#include <charconv>

void writeNumbering(Sheet& sheet, bool on, const QString& prefix)
{
    NoProgress progress;
    if (!on) {
        fillColumn(sheet, Sheet::K, progress, [](qsizetype, QString&) { return true; });
        return;
    }
    const QString stem = prefix + u'0';
    fillColumn(sheet, Sheet::K, progress, [&](qsizetype row, QString& text) {
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, Sheet::dataIndexOf(row)).ptr;
        text += stem;
        text += QLatin1StringView(digits, end - digits);
        return true;
    });
}
