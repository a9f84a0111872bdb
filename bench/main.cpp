#include "BenchTree.h"
#include "Figures.h"
#include "Report.h"

#include "base/LargeBlocks.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using FigureGroup = void (*)(const BenchContext&, QList<Figure>&);

const std::pair<const char*, FigureGroup> Groups[] = {
    {"scan", measureScanFigures},          {"table", measureTableFigures},
    {"rename", measureRenameFigure},       {"copy", measureCopyFigure},
    {"export", measureExportFigures},      {"import", measureImportFigures},
    {"keystroke", measureKeystrokeFigure}, {"path", measureWholePathFigure},
    {"formula", measureFormulaFigure},     {"facts", measureFactFigures},
    {"forecast", measureForecastFigures},
    {"grid", measureGridFigures},          {"gridmemory", measureGridMemoryFigure},
};

QList<Figure> measureAll(qsizetype fileCount, int runs, const QStringList& only, const QString& copyRoot)
{
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/renvora-bench-XXXXXX"));
    QTextStream(stdout) << "making " << fileCount << " files in " << scratch.path() << " ...\n" << Qt::flush;
    const BenchTree tree = BenchTree::create(scratch.path() + QStringLiteral("/tree"), fileCount);
    const BenchContext context{tree, scratch.path(), runs, copyRoot.isEmpty() ? scratch.path() : copyRoot};
    QList<Figure> figures;
    for (const auto& [name, group] : Groups)
        if (only.isEmpty() || only.contains(QLatin1String(name)))
            group(context, figures);
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program does: the memory figures are those of its process.
    keepLargeBlocksApart();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renvora benchmarks"));
    parser.addHelpOption();
    QCommandLineOption files(QStringLiteral("files"), QStringLiteral("number of files (default 100000)"),
                             QStringLiteral("N"), QStringLiteral("100000"));
    QCommandLineOption scale(QStringLiteral("scale"),
                             QStringLiteral("run 10,000, 100,000 and 1,000,000 files"));
    QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("measured runs per figure (default 3)"),
                            QStringLiteral("N"), QStringLiteral("3"));
    QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral(
            "measure only these groups: scan, table, rename, copy, export, import, keystroke, path, "
            "formula, facts, forecast, grid, gridmemory, memory (comma-separated)"),
        QStringLiteral("GROUPS"));
    QCommandLineOption copyInto(
        QStringLiteral("copy-into"),
        QStringLiteral("make the copy figure's copies in a folder inside DIR, for example on another disk "
                       "or in memory (/dev/shm) to leave the disk's own variance out"),
        QStringLiteral("DIR"));
    QCommandLineOption importMemory(
        QStringLiteral("import-memory"),
        QStringLiteral("print the peak memory of importing FILE, and what it holds after, in KiB (the "
                       "import figures run this)"),
        QStringLiteral("FILE"));
    QCommandLineOption withoutSheet(QStringLiteral("without-sheet"),
                                    QStringLiteral("with --import-memory: read the file only"));
    QCommandLineOption pathMemory(
        QStringLiteral("path-memory"),
        QStringLiteral("collect, number and rename the files below DIR through the window and print the "
                       "process's memory after each step and its peak, in KiB (the path figures run this)"),
        QStringLiteral("DIR"));
    parser.addOptions({files, scale, runs, only, copyInto, importMemory, withoutSheet, pathMemory});
    parser.process(app);
    if (parser.isSet(pathMemory)) {
        printWholePathMemory(parser.value(pathMemory));
        return 0;
    }
    if (parser.isSet(importMemory)) {
        printImportMemory(parser.value(importMemory), !parser.isSet(withoutSheet));
        return 0;
    }

    const int runCount = std::max(1, parser.value(runs).toInt());
    QList<qsizetype> sizes{parser.value(files).toLongLong()};
    if (parser.isSet(scale))
        sizes = {10000, 100000, 1000000};

    const QStringList groups = parser.value(only).split(u',', Qt::SkipEmptyParts);
    const bool memoryOnly = groups == QStringList{QStringLiteral("memory")};
    QList<Figure> all;
    for (qsizetype size : memoryOnly ? QList<qsizetype>() : sizes) {
        const QList<Figure> figures = measureAll(size, runCount, groups, parser.value(copyInto));
        printTable(figures);
        all << figures;
    }
    if (sizes.size() > 1)
        printGrowth(all);
    if (memoryOnly) {
        QList<Figure> memory;
        measureMemoryFigure(memory);
        printTable(memory);
    } else if (groups.isEmpty() || groups.contains(QStringLiteral("memory"))) {
        // In a process of its own: what the figures before left in the heap is not the table's.
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--only"), QStringLiteral("memory")});
        child.waitForFinished(-1);
    }
    return 0;
}
