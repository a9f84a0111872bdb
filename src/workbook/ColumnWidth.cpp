#include "workbook/ColumnWidth.h"

#include <cmath>

namespace ColumnWidth {
namespace {

// Excel's own conversion from pixels, for its 7-pixel digit and 5 pixels of padding.
double fromPixels(double pixels)
{
    if (pixels < 12)
        return std::round(pixels / 12 * 100) / 100;
    return std::trunc((pixels - 5) / 7 * 100 + 0.5) / 100;
}

} // namespace

double fromExcelWidth(double width)
{
    return fromPixels(std::trunc((256 * width + std::trunc(128.0 / 7)) / 256 * 7));
}

double fromPoints(double points)
{
    return fromPixels(std::round(points * 96 / 72));
}

} // namespace ColumnWidth
