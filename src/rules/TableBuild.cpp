#include "rules/TableBuild.h"

#include "base/Progress.h"
#include "collect/CollectedFiles.h"
#include "table/ColumnRefill.h"
#include "table/ColumnWriter.h"
#include "table/Sheet.h"

#include <optional>

namespace {

constexpr Sheet::Rgb Red = 0xFF0000;

void writeHeader(Sheet& sheet, const TableBuildOptions& options)
{
    auto emphasise = [&sheet](int column) {
        sheet.setBold(1, column, true);
        sheet.setColor(1, column, Red);
    };
    sheet.setText(1, Sheet::A, QStringLiteral("序号"));
    sheet.setColumnWidth(Sheet::A, 3);
    sheet.setText(1, Sheet::B, QStringLiteral("原文件名"));
    sheet.setText(1, Sheet::C, QStringLiteral("新文件名"));
    emphasise(Sheet::C);
    sheet.setText(1, Sheet::D, QStringLiteral("原扩展名"));
    sheet.setText(1, Sheet::E, QStringLiteral("新扩展名"));
    emphasise(Sheet::E);
    sheet.setText(1, Sheet::F, QStringLiteral("原文件目录"));
    if (options.copyToTarget) {
        sheet.setText(1, Sheet::G, QStringLiteral("新文件目录"));
        emphasise(Sheet::G);
    }
    if (options.distribute) {
        sheet.setText(1, Sheet::C, QStringLiteral("分配目录(如C:\\XX\\;C:\\YY\\ 的形式)"));
        sheet.setColor(1, Sheet::C, Red);
    }
    sheet.setText(1, Sheet::H, QStringLiteral("注意：本文件规则做好后，一定要保存退出！"));
    emphasise(Sheet::H);
}

} // namespace

qsizetype buildTable(Sheet& sheet, const QStringList& files, const TableBuildOptions& options,
                     Progress& progress)
{
    return buildTable(sheet, CollectedFiles(files, options.separator), options, progress);
}

qsizetype buildTable(Sheet& sheet, const CollectedFiles& files, const TableBuildOptions& options,
                     Progress& progress)
{
    Sheet::Batch batch(sheet);
    // Rows marked by an earlier run no longer stand for what failed.
    sheet.clearRowMarks();
    writeHeader(sheet, options);

    progress.setMaximum(files.size());
    qsizetype written = 0;
    // The column of numbers takes its room at once; the columns of texts are made anew.
    const qsizetype rows = files.size() + 1;
    sheet.reserveRows(Sheet::A, Sheet::A, rows);
    ColumnWriter numbers(sheet, Sheet::A);
    ColumnRefill names(sheet, Sheet::B, rows), sources(sheet, Sheet::J, rows),
        extensions(sheet, Sheet::D, rows), newExtensions(sheet, Sheet::E, rows),
        folders(sheet, Sheet::F, rows);
    std::optional<ColumnRefill> targets;
    if (options.copyToTarget)
        targets.emplace(sheet, Sheet::G, rows);
    // The cells share the collection's texts: its folders, names and extensions are kept once.
    for (qsizetype k = 0; k < files.size(); ++k) {
        if (k % Progress::RowsPerReport == 0)
            progress.setValue(k);
        const QString& extension = files.extension(k);
        if (extension.isEmpty())
            continue;
        ++written;
        const qsizetype row = Sheet::rowAtDataIndex(written);
        names.setText(row, files.base(k));
        sources.setText(row, files.base(k));
        extensions.setText(row, extension);
        newExtensions.setText(row, extension);
        folders.setText(row, files.folder(k));
        if (targets)
            targets->setText(row, options.targetFolder);
        numbers.setNumber(row, double(written));
    }
    if (!files.isEmpty()) {
        progress.setMaximum(files.size() - 1);
        progress.setValue(files.size() - 1);
    }
    sheet.setColumnsFontSize(Sheet::A, Sheet::H, 10);
    return written;
}
