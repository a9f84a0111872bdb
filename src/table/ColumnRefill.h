#pragma once

#include "table/ColumnTexts.h"
#include "table/ColumnWriter.h"
#include "table/Sheet.h"

#include <QString>
#include <QStringView>
#include <optional>

// Rewrites the texts of a column row after row from the top, as a ColumnWriter would but for
// the cost of a million cells: while the column holds texts only, the texts go side by side into
// a column of their own, which takes the former one's place at the end. The former column is
// kept whole for the undo, and the view and the formulas hear of the change once. A column
// holding a number, an error or a formula is written cell by cell.
class ColumnRefill
{
public:
    // rows: the rows the column will have, for the room taken at once.
    ColumnRefill(Sheet& sheet, int column, qsizetype rows);
    ~ColumnRefill();
    ColumnRefill(const ColumnRefill&) = delete;
    ColumnRefill& operator=(const ColumnRefill&) = delete;

    // Rows come in order, each once; a row passed over keeps its cell.
    void setText(qsizetype row, QString text);
    // The same with a copy of the text, made beside the texts copied before it: for texts made
    // anew on every row, it spares an allocation each.
    void setCopy(qsizetype row, QStringView text);

private:
    // Fetched anew each time: a writer of a column further right may move the columns.
    const SheetColumn& former() const { return m_sheet.writableColumn(m_column); }
    // Takes the former texts of the rows up to, not including, the 0-based index end.
    void carryTo(qsizetype end);
    // Readies the row's cell for the text: its 0-based index, or -1 for a row passed already.
    qsizetype prepare(qsizetype row, QStringView text);

    Sheet& m_sheet;
    Sheet::Batch m_batch;
    int m_column;
    std::optional<ColumnWriter> m_cellByCell; // for a column not of texts only
    ColumnTexts m_texts;
    qsizetype m_next = 0; // the 0-based index of the next cell to set
    qsizetype m_held = 0; // cells holding a text
    bool m_changed = false;
};
