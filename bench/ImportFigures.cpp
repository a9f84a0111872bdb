#include "Figures.h"

#include "base/Progress.h"
#include "rules/NewNameComposition.h"
#include "rules/RuleValues.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"
#include "workbook/SheetImport.h"
#include "workbook/TableExport.h"
#include "workbook/TableImport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <optional>

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

// Reads the file and makes its table the sheet's, as 导入 does.
void importInto(Sheet& sheet, const QString& path)
{
    const TableImport imported = importTable(path);
    if (!imported.succeeded())
        qFatal("import failed: %s", qPrintable(imported.error));
    const QString refused = placeImportedTable(sheet, imported.table);
    if (!refused.isEmpty())
        qFatal("import refused: %s", qPrintable(refused));
}

// Peak memory above what the process held before, against what the import holds after: the
// sheet it made, or with intoSheet false the table read alone. Measured in a process of its own,
// whose heap holds nothing the figures before left, freed but kept (which a new allocation
// takes without the process growing).
Figure memoryFigure(const QString& name, const QString& path, qsizetype size, bool intoSheet)
{
    Figure figure;
    figure.name = name;
    figure.size = size;
    figure.memoryFigure = true;
    QProcess child;
    QStringList arguments{QStringLiteral("--import-memory"), path};
    if (!intoSheet)
        arguments << QStringLiteral("--without-sheet");
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
    if (kib.size() != 2)
        qFatal("the import's memory was not measured");
    const qint64 held = kib[1].toLongLong();
    figure.measured.peakKiB = kib[0].toLongLong();
    figure.limit = 2 * held / 1024.0;
    figure.target = QStringLiteral("<2x (%1 MiB)").arg(held / 1024);
    return figure;
}

} // namespace

void printImportMemory(const QString& path, bool intoSheet)
{
    resetPeakMemory();
    const qint64 before = peakMemoryKiB();
    Sheet sheet;
    std::optional<TableImport> alone;
    if (intoSheet)
        importInto(sheet, path);
    else
        alone = importTable(path);
    const qint64 peak = peakMemoryKiB() - before;
    resetPeakMemory();
    const qint64 held = peakMemoryKiB() - before;
    QTextStream(stdout) << peak << ' ' << held << Qt::endl;
}

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
        Figure alone;
        alone.name = QStringLiteral("read .%1 alone").arg(format);
        alone.size = context.tree.files.size();
        alone.measured = measure(context.runs, [&] { (void)importTable(path); });
        Figure read;
        read.name = QStringLiteral("import from .%1 into the sheet").arg(format);
        read.size = context.tree.files.size();
        // Each time into a sheet that holds the built table and keeps the import as a step for an
        // undo, as the window's does: a sheet that holds the imported table already would change
        // in no cell.
        std::optional<Sheet> target;
        const auto buildTarget = [&] {
            target.reset();
            target.emplace();
            buildTable(*target, context.tree.files, {}, progress);
            target->setRecordingEdits(true);
        };
        read.measured = measure(
            context.runs, [&] { importInto(*target, path); }, buildTarget);
        const double targetMs = format == u"xlsx" ? 2000 : 1000;
        read.target = QStringLiteral("<%1s").arg(targetMs / 1000);
        read.limit = timeLimitFor(targetMs, read.size);
        alone.target = read.target;
        alone.limit = read.limit;
        figures << alone << read;
        figures << memoryFigure(QStringLiteral("read .%1 alone, peak memory").arg(format), path, read.size,
                                false);
        figures << memoryFigure(QStringLiteral("import from .%1, peak memory").arg(format), path, read.size,
                                true);
    }
    QFile::remove(exported.path);
    QFile::remove(csv);
}
