#pragma once

#include <Qt>

// Cell formats the grid's delegate turns into fonts and colours (the model stays free of QtGui).
namespace SheetRole {
enum : int
{
    Bold = Qt::UserRole + 1, // bool
    Color,                   // uint 0xRRGGBB, absent for the default colour
    FontSize,                // double, points
    Marked,                  // bool: the row carries a mark (its reason is the tooltip)
    Forecast,                // QString: why the next run would refuse the row, absent when it would not
};
}
