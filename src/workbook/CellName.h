#pragma once

#include "formula/CellAddress.h"

#include <QByteArrayView>
#include <QStringView>

#include <optional>

// Cell names as workbooks write them in their own markup ("AB12", "A1:C3"), without "$". Past
// the grid's last row or column they read as CellName::OffGrid, so that a reader can tell a name
// too far from a name that is no name at all.
namespace CellName {
struct Range
{
    CellAddress first;
    CellAddress last;
};
enum class Reading
{
    Read,
    OffGrid,
    Invalid
};

Reading read(QStringView name, CellAddress& cell);
Reading read(QByteArrayView name, CellAddress& cell);
// "A1:C3", or one cell as a range of one.
Reading readRange(QByteArrayView name, Range& range);
// "AB12" for row 12, column 28.
QString text(CellAddress cell);
} // namespace CellName
