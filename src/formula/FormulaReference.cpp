#include "formula/FormulaReference.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qsizetype Unbounded = std::numeric_limits<qsizetype>::max() / 2;

// One axis of a corner: its index at host h is h + offset when relative, else fixed.
struct Axis
{
    qsizetype value;
    bool absolute;

    // The first host from which the corner's index is at least x.
    qsizetype firstReaching(qsizetype x) const
    {
        if (absolute)
            return value >= x ? -Unbounded : Unbounded;
        return x - value;
    }
    // The last host up to which the corner's index is at most x.
    qsizetype lastReaching(qsizetype x) const
    {
        if (absolute)
            return value <= x ? Unbounded : -Unbounded;
        return x - value;
    }
};

// The hosts from first to last whose span between the two corners holds x. The lower corner
// (the smaller of the two) only grows with the host, and so does the upper one: the hosts
// reading x are those where the upper corner has reached x and the lower has not passed it.
std::pair<qsizetype, qsizetype> hostsSpanning(Axis a, Axis b, qsizetype x, qsizetype first, qsizetype last)
{
    return {std::max(first, std::min(a.firstReaching(x), b.firstReaching(x))),
            std::min(last, std::max(a.lastReaching(x), b.lastReaching(x)))};
}

} // namespace

std::optional<CellRange> FormulaReference::at(CellAddress host) const
{
    const std::optional<CellAddress> a = first.at(host);
    const std::optional<CellAddress> b = last.at(host);
    if (!a || !b)
        return std::nullopt;
    return CellRange{std::min(a->row, b->row), std::min(a->column, b->column), std::max(a->row, b->row),
                     std::max(a->column, b->column)};
}

std::optional<CellRange> FormulaReference::hostsReading(CellAddress cell, const CellRange& hosts) const
{
    const auto [top, bottom] = hostsSpanning({first.row, first.rowAbsolute}, {last.row, last.rowAbsolute},
                                             cell.row, hosts.top, hosts.bottom);
    const auto [left, right] =
        hostsSpanning({first.column, first.columnAbsolute}, {last.column, last.columnAbsolute}, cell.column,
                      hosts.left, hosts.right);
    if (top > bottom || left > right)
        return std::nullopt;
    return CellRange{top, int(left), bottom, int(right)};
}

QString FormulaReference::text(CellAddress host) const
{
    if (!isRange)
        return first.text(host);
    if (!at(host))
        return QStringLiteral("#REF!");
    return first.text(host) + u':' + last.text(host);
}
