#include "rules/Numbering.h"

#include "table/Sheet.h"

void writeNumbering(Sheet& sheet, bool on, const QString& prefix)
{
    Sheet::Batch batch(sheet);
    const QString stem = prefix + u'0';
    for (const qsizetype row : sheet.dataRows()) {
        if (on)
            sheet.setText(row, Sheet::K, stem + QString::number(Sheet::dataIndexOf(row)));
        else
            sheet.clearCell(row, Sheet::K);
    }
}
