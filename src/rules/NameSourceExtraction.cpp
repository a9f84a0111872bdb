#include "rules/NameSourceExtraction.h"

#include "rules/NamePiece.h"
#include "table/Sheet.h"

bool extractNameSource(Sheet& sheet, const NamePiece& piece)
{
    if (!piece.isValid())
        return false;
    const qsizetype rows = sheet.usedRowCount();
    Sheet::Batch batch(sheet);
    for (qsizetype row = 2; row <= rows; ++row)
        sheet.setText(row, Sheet::J, piece.cutFrom(sheet.text(row, Sheet::B)));
    return true;
}
