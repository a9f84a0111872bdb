#include "workbook/SheetImport.h"

#include "formula/Formula.h"
#include "table/KeptCells.h"
#include "table/Sheet.h"
#include "workbook/ImportedTable.h"

namespace {

Sheet::Value sheetValueOf(const ImportedValue& value)
{
    switch (value.kind) {
    case ImportedValue::Kind::Empty:
        return {};
    case ImportedValue::Kind::Number:
        return value.number;
    case ImportedValue::Kind::Boolean:
        return value.number != 0;
    case ImportedValue::Kind::Error:
        // An error the program does not make (#NULL!, #SPILL!) shows as the file has it.
        if (const auto error = errorFromText(value.text))
            return *error;
        return value.text;
    case ImportedValue::Kind::Text:
        break;
    }
    return value.text;
}

} // namespace

QString placeImportedTable(Sheet& sheet, const ImportedTable& table)
{
    if (table.rowCount() > Sheet::MaxRows || table.columnCount() > Sheet::MaxColumns)
        return QStringLiteral("表格超出了工作表的范围（最多 %1 行、%2 列）")
            .arg(Sheet::MaxRows)
            .arg(Sheet::MaxColumns);

    // The cells the table writes are written over, not emptied first: most of a table that went
    // out to a spreadsheet and came back holds what the sheet holds, and a cell written with what
    // it holds changes nothing, costs no step of the undo and no recalculation.
    KeptCells written;
    for (const CellAddress place : table.places())
        written.mark(place.row, place.column);
    Sheet::Batch batch(sheet);
    sheet.clearAsEditExcept([&](qsizetype row, int column) { return written.contains(row, column); });
    // A table that fills most of its rectangle gets its rows at once, rather than by doubling.
    if (qint64(table.size()) * 2 >= qint64(table.rowCount()) * table.columnCount())
        sheet.reserveRows(1, table.columnCount(), table.rowCount());
    for (const ImportedCell& cell : table.cells()) {
        CellContent content{sheetValueOf(cell.value), {}};
        // A formula the program cannot read keeps the value the file gives for it.
        if (!cell.formula.isEmpty())
            content.formula = Formula::parse(cell.formula, {cell.row, cell.column}).formula;
        sheet.setContent(cell.row, cell.column, content);
        if (cell.bold)
            sheet.setBold(cell.row, cell.column, true);
        if (cell.color)
            sheet.setColor(cell.row, cell.column, *cell.color);
    }
    for (const ImportedColumn& column : table.columns()) {
        if (column.width)
            sheet.setColumnWidth(column.column, *column.width);
        if (column.fontSize)
            sheet.setColumnsFontSize(column.column, column.column, *column.fontSize);
        if (column.text)
            sheet.setColumnTextFormat(column.column);
    }
    return {};
}
