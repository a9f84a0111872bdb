#pragma once

#include <QtGlobal>
#include <algorithm>

// A rectangle of cells, 1-based and inclusive on both ends.
struct CellRange
{
    qsizetype top = 0;
    int left = 0;
    qsizetype bottom = -1;
    int right = -1;

    bool isEmpty() const { return bottom < top || right < left; }

    CellRange united(const CellRange& other) const
    {
        if (isEmpty())
            return other;
        if (other.isEmpty())
            return *this;
        return {std::min(top, other.top), std::min(left, other.left), std::max(bottom, other.bottom),
                std::max(right, other.right)};
    }

    friend bool operator==(const CellRange&, const CellRange&) = default;
};
