#include "rules/Numbering.h"

#include "table/Sheet.h"

void writeNumbering(Sheet& sheet, bool on, const QString& prefix)
{
    const qsizetype rows = sheet.usedRowCount();
    Sheet::Batch batch(sheet);
    const QString stem = prefix + u'0';
    for (qsizetype row = 2; row <= rows; ++row) {
        if (on)
            sheet.setText(row, Sheet::K, stem + QString::number(row - 1));
        else
            sheet.clearCell(row, Sheet::K);
    }
}
