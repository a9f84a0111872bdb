#include "workbook/CellName.h"

#include "formula/CellReference.h"
#include "workbook/WorkbookLimits.h"

namespace CellName {

Reading read(QStringView name, CellAddress& cell)
{
    qsizetype i = 0;
    qint64 column = 0;
    for (; i < name.size() && column <= WorkbookLimits::MaxColumns; ++i) {
        const char16_t c = name[i].unicode() & ~0x20; // upper case for ASCII letters
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    const qsizetype letters = i;
    qint64 row = 0;
    for (; i < name.size() && name[i] >= u'0' && name[i] <= u'9' && row <= WorkbookLimits::MaxRows; ++i)
        row = row * 10 + (name[i].unicode() - u'0');
    // Digits beyond the bound are still digits: the name is too far, not malformed.
    while (i < name.size() && name[i] >= u'0' && name[i] <= u'9')
        ++i;
    if (letters == 0 || i == letters || i != name.size() || row < 1)
        return letters > 0 && column > WorkbookLimits::MaxColumns ? Reading::OffGrid : Reading::Invalid;
    if (column > WorkbookLimits::MaxColumns || row > WorkbookLimits::MaxRows)
        return Reading::OffGrid;
    cell = {row, int(column)};
    return Reading::Read;
}

Reading readRange(QStringView name, Range& range)
{
    const qsizetype colon = name.indexOf(u':');
    const Reading first = read(colon < 0 ? name : name.first(colon), range.first);
    if (first != Reading::Read)
        return first;
    if (colon < 0) {
        range.last = range.first;
        return Reading::Read;
    }
    return read(name.sliced(colon + 1), range.last);
}

QString text(CellAddress cell)
{
    return columnLetters(cell.column) + QString::number(cell.row);
}

} // namespace CellName
