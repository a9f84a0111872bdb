#include "workbook/SheetImport.h"

#include "formula/Formula.h"
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

    Sheet::Batch batch(sheet);
    sheet.clearAsEdit();
    // A table that fills most of its rectangle gets its rows at once, rather than by doubling.
    if (qint64(table.cells().size()) * 2 >= qint64(table.rowCount()) * table.columnCount())
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
