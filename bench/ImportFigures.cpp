#include "Figures.h"

#include "rules/NewNameComposition.h"
#include "rules/RuleValues.h"
#include "rules/TableBuild.h"
#include "base/Progress.h"
#include "table/Sheet.h"
#include "workbook/TableExport.h"
#include "workbook/TableImport.h"

#include <QDir>
#include <QFile>

namespace {

// The table as a spreadsheet application saves it as CSV: every cell as shown, quoted where
// it holds a comma, a quote or a line break.
bool writeCsv(const Sheet& sheet, const QString& path)
{
    QString text;
    const int columns = sheet.usedColumnCount();
    for (qsizetype r = 1; r <= sheet.usedRowCount(); ++r) {
        for (int c = 1; c <= columns; ++c) {
            if (c > 1)
                text += u',';
            QString field = sheet.text(r, c);
            if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n'))
                field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
            text += field;
        }
        text += QStringLiteral("\r\n");
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// Peak memory above what the process held before, against what the table it made holds after.
Figure memoryFigure(const QString& name, const QString& path, qsizetype size)
{
    Figure figure;
    figure.name = name;
    figure.size = size;
    figure.memoryFigure = true;
    resetPeakMemory();
    const qint64 before = peakMemoryKiB();
    TableImport imported = importTable(path);
    const qint64 peak = peakMemoryKiB() - before;
    resetPeakMemory();
    const qint64 held = peakMemoryKiB() - before;
    if (!imported.succeeded())
        qFatal("import failed: %s", qPrintable(imported.error));
    figure.measured.peakKiB = peak;
    figure.limit = 2 * held / 1024.0;
    figure.target = QStringLiteral("<2x table (%1 MiB)").arg(held / 1024);
    return figure;
}

} // namespace

void measureImportFigures(const BenchContext& context, QList<Figure>& figures)
{
    Sheet sheet;
    NoProgress progress;
    buildTable(sheet, context.tree.files, {}, progress);
    composeNewNames(sheet, RuleValues{}, false, progress);

    const QString folder = context.scratch + QStringLiteral("/import");
    QDir().mkpath(folder);
    const TableExport exported = exportTable(sheet, folder, QDateTime::currentDateTime());
    const QString csv = folder + QStringLiteral("/table.csv");
    if (!exported.succeeded() || !writeCsv(sheet, csv))
        qFatal("could not write the tables to import");

    const std::pair<QString, QString> files[] = {{QStringLiteral("xlsx"), exported.path},
                                                 {QStringLiteral("csv"), csv}};
    for (const auto& [format, path] : files) {
        Figure read;
        read.name = QStringLiteral("import from .%1").arg(format);
        read.size = context.tree.files.size();
        read.measured = measure(context.runs, [&] {
            const TableImport imported = importTable(path);
            if (!imported.succeeded())
                qFatal("import failed: %s", qPrintable(imported.error));
        });
        const double targetMs = format == u"xlsx" ? 2000 : 1000;
        read.target = QStringLiteral("<%1s").arg(targetMs / 1000);
        read.limit = timeLimitFor(targetMs, read.size);
        figures << read;
        figures << memoryFigure(QStringLiteral("import from .%1, peak memory").arg(format), path, read.size);
    }
    QFile::remove(exported.path);
    QFile::remove(csv);
}
