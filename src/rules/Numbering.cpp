#include "rules/Numbering.h"

#include "rules/ColumnFill.h"
#include "table/Sheet.h"

#include <algorithm>
#include <charconv>
#include <iterator>

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
        const char* end = std::to_chars(digits, std::end(digits), Sheet::dataIndexOf(row)).ptr;
        text.resize(stem.size() + (end - digits));
        QChar* out = std::copy(stem.cbegin(), stem.cend(), text.data());
        for (const char* digit = digits; digit != end; ++digit)
            *out++ = QLatin1Char(*digit);
        return true;
    });
}
