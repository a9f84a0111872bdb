#pragma once

#include <iterator>

// The grid's designed look: column widths in points for A to E (every other column 54 pt) and
// the row height. A column keeps its designed width until the sheet gives it one of its own.
namespace GridDesign {

constexpr double ColumnWidthsPt[] = {31.5, 286.5, 233.25, 82.5, 69};
constexpr double OtherColumnWidthPt = 54;
constexpr double RowHeightPt = 12.75;

constexpr double columnWidthPt(int column)
{
    return column >= 1 && column <= int(std::size(ColumnWidthsPt)) ? ColumnWidthsPt[column - 1]
                                                                   : OtherColumnWidthPt;
}

} // namespace GridDesign
