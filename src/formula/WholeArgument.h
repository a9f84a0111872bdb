#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cmath>

// A count or position given to a function, its fraction dropped as spreadsheets drop it
// (2.9 is 2), held within a range no text comes near.
inline qint64 wholeArgument(double number)
{
    return qint64(std::clamp(std::trunc(number), -1e15, 1e15));
}
