#include "rules/TableBuild.h"

#include "base/Progress.h"
#include "rules/PathParts.h"
#include "table/Sheet.h"

#include <vector>

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

// The kept copy of text, made on first sight.
const QString& sharedCopy(std::vector<QString>& copies, QStringView text)
{
    for (const QString& copy : copies)
        if (copy == text)
            return copy;
    copies.push_back(text.toString());
    return copies.back();
}

} // namespace

qsizetype buildTable(Sheet& sheet, const QStringList& files, const TableBuildOptions& options,
                     Progress& progress)
{
    Sheet::Batch batch(sheet);
    // Rows marked by an earlier run no longer stand for what failed.
    sheet.clearRowMarks();
    writeHeader(sheet, options);

    progress.setMaximum(files.size());
    qsizetype written = 0;
    sheet.reserveRows(Sheet::A, Sheet::J, files.size() + 1);
    // Files of one folder share one copy of its path, and most files a handful of extensions:
    // the table keeps one copy of each.
    QString directory;
    std::vector<QString> extensions;
    for (qsizetype k = 0; k < files.size(); ++k) {
        progress.setValue(k);
        const PathParts parts = PathParts::split(files[k], options.separator);
        if (!parts.takesPart)
            continue;
        if (parts.directory != directory)
            directory = parts.directory.toString();
        const QString& extension = sharedCopy(extensions, parts.dotext);

        ++written;
        const qsizetype row = Sheet::rowAtDataIndex(written);
        const QString base = parts.base.toString();
        sheet.setText(row, Sheet::B, base);
        sheet.setText(row, Sheet::J, base);
        sheet.setText(row, Sheet::D, extension);
        sheet.setText(row, Sheet::E, extension);
        sheet.setText(row, Sheet::F, directory);
        if (options.copyToTarget)
            sheet.setText(row, Sheet::G, options.targetFolder);
        sheet.setNumber(row, Sheet::A, double(written));
    }
    if (!files.isEmpty()) {
        progress.setMaximum(files.size() - 1);
        progress.setValue(files.size() - 1);
    }
    sheet.setColumnsFontSize(Sheet::A, Sheet::H, 10);
    return written;
}
