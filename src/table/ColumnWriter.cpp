#include "table/ColumnWriter.h"

#include "table/SheetCalculation.h"
#include "table/SheetEdit.h"

#include <algorithm>

ColumnWriter::ColumnWriter(Sheet& sheet, int column) : m_sheet(sheet), m_batch(sheet), m_column(column) {}

ColumnWriter::~ColumnWriter()
{
    // The batch, ending after this, sends the change on with the recalculation it causes.
    m_sheet.noteCellsChanged(m_written);
}

void ColumnWriter::setText(qsizetype row, QString text)
{
    if (!Sheet::isInside(row, m_column))
        return;
    SheetColumn& cells = m_sheet.writableColumn(m_column);
    const qsizetype i = row - 1;
    if (!cells.formula(i) && cells.isText(i) && cells.text(i) == text)
        return;
    const bool hadFormula = keepFormer(row);
    const bool holdsValue = !text.isEmpty();
    cells.setText(i, std::move(text));
    noteWritten(row, hadFormula, holdsValue);
}

void ColumnWriter::setNumber(qsizetype row, double number)
{
    if (!Sheet::isInside(row, m_column))
        return;
    SheetColumn& cells = m_sheet.writableColumn(m_column);
    const qsizetype i = row - 1;
    if (!cells.formula(i) && cells.isNumber(i) && cells.number(i) == number)
        return;
    const bool hadFormula = keepFormer(row);
    cells.setNumber(i, number);
    noteWritten(row, hadFormula, true);
}

bool ColumnWriter::keepFormer(qsizetype row)
{
    const SheetColumn& cells = m_sheet.writableColumn(m_column);
    const bool hadFormula = bool(cells.formula(row - 1));
    if (!m_sheet.m_recording || !m_sheet.m_remembered.mark(row, m_column))
        return hadFormula;
    // A cell that holds nothing, as every cell of a column filled for the first time, is kept
    // without being read out as a value.
    if (!hadFormula && !cells.holds(row - 1)) {
        m_sheet.m_edit.keep(row, m_column, CellContent());
        return hadFormula;
    }
    // A column rewritten over many of its rows is kept whole, this cell still as it was.
    if (++m_keptHeld > std::max(WholeColumnAfter, cells.size() / 16))
        m_sheet.rememberColumn(m_column);
    else
        m_sheet.m_edit.keep(row, m_column, m_sheet.content(row, m_column));
    return hadFormula;
}

void ColumnWriter::noteWritten(qsizetype row, bool hadFormula, bool holdsValue)
{
    if (hadFormula)
        m_sheet.writableColumn(m_column).setFormula(row - 1, nullptr);
    m_sheet.noteRowHolds(row, holdsValue);
    m_sheet.m_calculation->cellChanged({row, m_column}, hadFormula);
    if (m_written.isEmpty())
        m_written = {row, m_column, row, m_column};
    else
        m_written = {std::min(m_written.top, row), m_column, std::max(m_written.bottom, row), m_column};
}
