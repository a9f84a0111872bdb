#include "rename/DerivationTable.h"

#include "base/Progress.h"
#include "table/Sheet.h"

namespace DerivationTable {

void fillFromFirstRow(Sheet& sheet, qsizetype count, Progress& progress)
{
    Sheet::Batch batch(sheet);
    const Sheet::Value name = sheet.value(Sheet::FirstDataRow, Sheet::B);
    const Sheet::Value oldExtension = sheet.value(Sheet::FirstDataRow, Sheet::D);
    const Sheet::Value newExtension = sheet.value(Sheet::FirstDataRow, Sheet::E);
    const Sheet::Value folder = sheet.value(Sheet::FirstDataRow, Sheet::F);
    const qsizetype lastRow = Sheet::rowAtDataIndex(count);
    progress.setMaximum(lastRow);
    for (qsizetype r = Sheet::FirstDataRow; r <= lastRow; ++r) {
        progress.setValue(r);
        sheet.setValue(r, Sheet::B, name);
        sheet.setValue(r, Sheet::J, name);
        sheet.setNumber(r, Sheet::A, double(Sheet::dataIndexOf(r)));
        sheet.setValue(r, Sheet::D, oldExtension);
        sheet.setValue(r, Sheet::E, newExtension);
        sheet.setValue(r, Sheet::F, folder);
        sheet.setValue(r, Sheet::G, folder);
    }
}

void repeatFirstRow(Sheet& sheet, qsizetype count, bool withTargetFolder)
{
    Sheet::Batch batch(sheet);
    std::vector<int> columns{Sheet::B, Sheet::D, Sheet::E, Sheet::F, Sheet::J};
    if (withTargetFolder)
        columns.push_back(Sheet::G);
    std::vector<Sheet::Value> first;
    for (int column : columns)
        first.push_back(sheet.value(Sheet::FirstDataRow, column));
    for (qsizetype r = Sheet::FirstDataRow + 1; r <= Sheet::rowAtDataIndex(count); ++r) {
        for (size_t i = 0; i < columns.size(); ++i)
            sheet.setValue(r, columns[i], first[i]);
        sheet.setNumber(r, Sheet::A, double(Sheet::dataIndexOf(r)));
    }
}

void resetForSingleFile(Sheet& sheet)
{
    Sheet::Batch batch(sheet);
    sheet.clear();
    sheet.setText(1, Sheet::A, QStringLiteral("序号"));
    sheet.setColumnWidth(Sheet::A, 5);
    sheet.setText(1, Sheet::B, QStringLiteral("原文件名"));
    sheet.setColumnWidth(Sheet::B, 35);
    sheet.setText(1, Sheet::C, QStringLiteral("新文件名"));
    sheet.setColumnWidth(Sheet::C, 45);
    sheet.setText(1, Sheet::D, QStringLiteral("扩展名"));
    sheet.setColumnTextFormat(Sheet::C);
    sheet.setFontSize(9);
    sheet.autoFitColumns(Sheet::F, 14); // F to N
}

void writeCopyFolders(Sheet& sheet, const std::optional<QString>& targetFolder)
{
    Sheet::Batch batch(sheet);
    for (const qsizetype row : sheet.dataRows())
        sheet.setValue(row, Sheet::G,
                       targetFolder ? Sheet::Value(*targetFolder) : sheet.value(row, Sheet::F));
}

} // namespace DerivationTable
