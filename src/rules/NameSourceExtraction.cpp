#include "rules/NameSourceExtraction.h"

#include "rules/ColumnFill.h"
#include "rules/NamePiece.h"
#include "table/Sheet.h"

bool extractNameSource(Sheet& sheet, const NamePiece& piece)
{
    if (!piece.isValid())
        return false;
    NoProgress progress;
    fillColumn(sheet, Sheet::J, progress, [&](qsizetype row, QString& source) {
        QString made;
        source += piece.cutFrom(cellText(sheet, row, Sheet::B, made));
        return true;
    });
    return true;
}
