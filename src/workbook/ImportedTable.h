#pragma once

#include "formula/CellAddress.h"
#include "workbook/BlockList.h"
#include "workbook/ImportedCell.h"
#include "workbook/ImportedColumn.h"

#include <optional>
#include <ranges>
#include <vector>

// The cells a spreadsheet file holds, one entry per cell present: memory follows the cells,
// never the rectangle around them. Once finished, cells run row by row, left to right.
// A table of a million rows holds millions of cells, read before the sheet it becomes exists:
// each entry takes 40 bytes, its text shared with the sheet later, and the formulas and colours
// that few cells have are kept beside the entries.
class ImportedTable
{
    struct Entry;

public:
    // Cells sorted by row, then column; at most one per place. Each is made as it is visited.
    auto cells() const
    {
        return m_entries | std::views::transform([this](const Entry& entry) { return cellOf(entry); });
    }
    // The places of the cells, in the same order.
    auto places() const
    {
        return m_entries | std::views::transform([](const Entry& entry) {
                   return CellAddress{entry.row, entry.column};
               });
    }
    // The cell at row and column, or none where the file holds nothing.
    std::optional<ImportedCell> cell(qsizetype row, int column) const;
    const std::vector<ImportedColumn>& columns() const { return m_columns; }
    // The last row and the rightmost column holding a cell; 0 for an empty table.
    qsizetype rowCount() const;
    int columnCount() const { return m_columnCount; }
    bool isEmpty() const { return m_entries.empty(); }

    // Formulas the program cannot compute (a reference to another sheet, a syntax of another
    // application): their cells hold the value the file gives, without the formula.
    qsizetype formulasLeftOut() const { return m_formulasLeftOut; }
    // The first of them, row by row, to name to the user.
    CellAddress firstFormulaLeftOut() const { return m_firstFormulaLeftOut; }

    // Building, for the readers.
    qsizetype size() const { return qsizetype(m_entries.size()); }
    void append(const ImportedCell& cell);
    // Gives the cell appended as the index-th (from 0) its formula, before the table is finished.
    void setFormula(qsizetype index, const QString& formula);
    // The columns of spans, in order and apart, up to the rename table's last column or the last
    // column holding a value: files often describe columns to the grid's end.
    void setColumns(const std::vector<ColumnSpan>& spans);
    void noteFormulaLeftOut(CellAddress cell);
    // Drops the cells whose places pass keep(CellAddress) false.
    template <typename Keep> void retain(Keep keep)
    {
        m_entries.retain([&](qsizetype, const Entry& entry) {
            return keep(CellAddress{entry.row, entry.column});
        });
        countColumns();
    }
    // Sorts the cells; of two at the same place the one appended later stays, and cells that
    // hold neither a value, a formula nor a look of their own go.
    void finish();

private:
    enum Flag : quint8
    {
        Bold = 1,
        HasFormula = 2,
        HasColor = 4,
    };
    struct Entry
    {
        QString text;      // a Text's value; a Boolean's or an Error's as shown
        double number = 0; // a Number's value; 1 or 0 for a Boolean
        qint32 row = 0;
        quint16 column = 0;
        ImportedValue::Kind kind = ImportedValue::Kind::Empty;
        quint8 flags = 0;
    };
    static_assert(sizeof(Entry) <= 40);
    // What few cells have, by place (row and column in one number, in the entries' order), with
    // the count of entries appended before its own: of an entry's two at one place, the later.
    template <typename T> struct Aside
    {
        quint64 place = 0;
        qsizetype appended = 0;
        T value;
    };
    template <typename T> using ByPlace = std::vector<Aside<T>>;

    static quint64 placeOf(qsizetype row, int column) { return quint64(row) << 16 | quint64(column); }
    static quint64 placeOf(const Entry& entry) { return placeOf(entry.row, entry.column); }
    ImportedCell cellOf(const Entry& entry) const;
    void countColumns();

    BlockList<Entry> m_entries;
    ByPlace<QString> m_formulas;
    ByPlace<quint32> m_colors;
    qsizetype m_appended = 0;
    int m_columnCount = 0; // as of the last finish() or retain()
    std::vector<ImportedColumn> m_columns;
    qsizetype m_formulasLeftOut = 0;
    CellAddress m_firstFormulaLeftOut{0, 0};
};
