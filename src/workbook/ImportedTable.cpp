#include "workbook/ImportedTable.h"

#include <algorithm>
#include <limits>

namespace {

// The columns of the rename table, which keep their formats even while empty.
constexpr int TableColumns = 8;

// What is kept aside at the place, or null.
template <typename Asides> auto findPlace(const Asides& asides, quint64 place)
{
    const auto found = std::lower_bound(asides.begin(), asides.end(), place,
                                        [](const auto& aside, quint64 key) { return aside.place < key; });
    return found != asides.end() && found->place == place ? &found->value : nullptr;
}

// Orders what is kept aside by place; of two at one place, the later entry's stays.
template <typename Asides> void keepLastByPlace(Asides& asides)
{
    const auto before = [](const auto& a, const auto& b) {
        return a.place < b.place || (a.place == b.place && a.appended < b.appended);
    };
    if (!std::is_sorted(asides.begin(), asides.end(), before))
        std::sort(asides.begin(), asides.end(), before);
    const auto last = std::unique(asides.rbegin(), asides.rend(),
                                  [](const auto& a, const auto& b) { return a.place == b.place; });
    asides.erase(asides.begin(), last.base());
}

} // namespace

ImportedCell ImportedTable::cellOf(const Entry& entry) const
{
    ImportedCell cell;
    cell.row = entry.row;
    cell.column = entry.column;
    cell.bold = entry.flags & Bold;
    cell.value = {entry.kind, entry.number, entry.text};
    if (entry.flags & HasFormula)
        if (const QString* formula = findPlace(m_formulas, placeOf(entry)))
            cell.formula = *formula;
    if (entry.flags & HasColor)
        if (const quint32* color = findPlace(m_colors, placeOf(entry)))
            cell.color = *color;
    return cell;
}

std::optional<ImportedCell> ImportedTable::cell(qsizetype row, int column) const
{
    const quint64 place = placeOf(row, column);
    const auto found = std::lower_bound(m_entries.begin(), m_entries.end(), place,
                                        [](const Entry& entry, quint64 key) { return placeOf(entry) < key; });
    if (found == m_entries.end() || placeOf(*found) != place)
        return std::nullopt;
    return cellOf(*found);
}

qsizetype ImportedTable::rowCount() const
{
    return m_entries.empty() ? 0 : m_entries.back().row;
}

void ImportedTable::countColumns()
{
    m_columnCount = 0;
    for (const Entry& entry : m_entries)
        m_columnCount = std::max<int>(m_columnCount, entry.column);
}

void ImportedTable::append(const ImportedCell& cell)
{
    // The readers keep to the grid; a place beyond what an entry holds is kept as the farthest
    // one it does, which lies beyond the grid all the same.
    Entry& entry = m_entries.emplace_back();
    entry.row = qint32(std::min<qsizetype>(cell.row, std::numeric_limits<qint32>::max()));
    entry.column = quint16(std::min<int>(cell.column, std::numeric_limits<quint16>::max()));
    entry.kind = cell.value.kind;
    entry.number = cell.value.number;
    entry.text = cell.value.text;
    entry.flags = cell.bold ? Bold : 0;
    if (!cell.formula.isEmpty()) {
        entry.flags |= HasFormula;
        m_formulas.push_back({placeOf(entry), m_appended, cell.formula});
    }
    if (cell.color) {
        entry.flags |= HasColor;
        m_colors.push_back({placeOf(entry), m_appended, *cell.color});
    }
    ++m_appended;
}

void ImportedTable::setFormula(qsizetype index, const QString& formula)
{
    Entry& entry = m_entries[index];
    entry.flags |= HasFormula;
    m_formulas.push_back({placeOf(entry), index, formula});
}

void ImportedTable::setColumns(const std::vector<ColumnSpan>& spans)
{
    int lastColumn = TableColumns;
    for (const Entry& entry : m_entries)
        if (entry.kind != ImportedValue::Kind::Empty || (entry.flags & HasFormula))
            lastColumn = std::max<int>(lastColumn, entry.column);
    m_columns.clear();
    for (const ColumnSpan& span : spans) {
        if (!span.format.saysAnything())
            continue;
        for (int c = span.first; c <= std::min(span.last, lastColumn); ++c) {
            m_columns.push_back(span.format);
            m_columns.back().column = c;
        }
    }
}

void ImportedTable::noteFormulaLeftOut(CellAddress cell)
{
    const CellAddress& first = m_firstFormulaLeftOut;
    if (m_formulasLeftOut++ == 0 || cell.row < first.row ||
        (cell.row == first.row && cell.column < first.column))
        m_firstFormulaLeftOut = cell;
}

void ImportedTable::finish()
{
    // Files list their cells in order almost always; a stable sort keeps the later of two.
    const auto before = [](const Entry& a, const Entry& b) { return placeOf(a) < placeOf(b); };
    if (!std::is_sorted(m_entries.begin(), m_entries.end(), before))
        std::stable_sort(m_entries.begin(), m_entries.end(), before);
    // Of the entries at one place the last stays, if it holds anything.
    m_entries.retain([this](qsizetype i, const Entry& entry) {
        const bool last = i + 1 == m_entries.size() || placeOf(m_entries[i + 1]) != placeOf(entry);
        return last && (entry.kind != ImportedValue::Kind::Empty || entry.flags != 0);
    });
    // An entry that stayed finds its formula and colour as the last added at its place; one that
    // has none is not looked up, whatever an entry it replaced had.
    keepLastByPlace(m_formulas);
    keepLastByPlace(m_colors);
    countColumns();
}
