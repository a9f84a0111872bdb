#include "rules/NewNameReplacement.h"

#include "table/Sheet.h"

QString replaceExactly(const QString& text, const QString& find, const QString& replacement)
{
    // QString::replace would put the replacement around every character of an empty find.
    if (find.isEmpty())
        return text;
    QString result = text;
    return result.replace(find, replacement, Qt::CaseSensitive);
}

void replaceInNewNames(Sheet& sheet, const QString& find, const QString& replacement)
{
    Sheet::Batch batch(sheet);
    for (const qsizetype row : sheet.dataRows())
        sheet.setText(row, Sheet::C, replaceExactly(sheet.text(row, Sheet::C), find, replacement));
}
