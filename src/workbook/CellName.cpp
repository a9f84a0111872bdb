#include "workbook/CellName.h"

#include "formula/CellReference.h"
#include "workbook/WorkbookLimits.h"

namespace CellName {
namespace {

char16_t unit(QChar c)
{
    return c.unicode();
}

char16_t unit(char c)
{
    return uchar(c);
}

template <typename Text> Reading readName(Text name, CellAddress& cell)
{
    qsizetype i = 0;
    qint64 column = 0;
    for (; i < name.size() && column <= WorkbookLimits::MaxColumns; ++i) {
        const char16_t c = unit(name[i]) & ~0x20; // upper case for ASCII letters
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
    }
    const qsizetype letters = i;
    qint64 row = 0;
    const auto isDigit = [&](qsizetype at) { return unit(name[at]) >= u'0' && unit(name[at]) <= u'9'; };
    for (; i < name.size() && isDigit(i) && row <= WorkbookLimits::MaxRows; ++i)
        row = row * 10 + (unit(name[i]) - u'0');
    // Digits beyond the bound are still digits: the name is too far, not malformed.
    while (i < name.size() && isDigit(i))
        ++i;
    if (letters == 0 || i == letters || i != name.size() || row < 1)
        return letters > 0 && column > WorkbookLimits::MaxColumns ? Reading::OffGrid : Reading::Invalid;
    if (column > WorkbookLimits::MaxColumns || row > WorkbookLimits::MaxRows)
        return Reading::OffGrid;
    cell = {row, int(column)};
    return Reading::Read;
}

} // namespace

Reading read(QStringView name, CellAddress& cell)
{
    return readName(name, cell);
}

Reading read(QByteArrayView name, CellAddress& cell)
{
    return readName(name, cell);
}

Reading readRange(QByteArrayView name, Range& range)
{
    const qsizetype colon = name.indexOf(':');
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
