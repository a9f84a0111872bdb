#include "rules/NameSourceExtraction.h"

#include "rules/NamePiece.h"
#include "table/Sheet.h"

bool extractNameSource(Sheet& sheet, const NamePiece& piece)
{
    if (!piece.isValid())
        return false;
    Sheet::Batch batch(sheet);
    for (const qsizetype row : sheet.dataRows())
        sheet.setText(row, Sheet::J, piece.cutFrom(sheet.text(row, Sheet::B)));
    return true;
}
