#include "BenchTree.h"
#include "Figures.h"
#include "Report.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

QList<Figure> measureAll(qsizetype fileCount, int runs)
{
    QTemporaryDir scratch(QDir::tempPath() + QStringLiteral("/renvora-bench-XXXXXX"));
    QTextStream(stdout) << "making " << fileCount << " files in " << scratch.path() << " ...\n" << Qt::flush;
    const BenchTree tree = BenchTree::create(scratch.path() + QStringLiteral("/tree"), fileCount);
    const BenchContext context{tree, scratch.path(), runs};
    QList<Figure> figures;
    measureScanFigures(context, figures);
    measureTableFigures(context, figures);
    measureRunFigures(context, figures);
    measureExportFigures(context, figures);
    measureKeystrokeFigure(context, figures);
    measureWholePathFigure(context, figures);
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    parser.addOptions({files, scale, runs});
    parser.process(app);

    const int runCount = std::max(1, parser.value(runs).toInt());
    QList<qsizetype> sizes{parser.value(files).toLongLong()};
    if (parser.isSet(scale))
        sizes = {10000, 100000, 1000000};

    QList<Figure> all;
    for (qsizetype size : sizes) {
        const QList<Figure> figures = measureAll(size, runCount);
        printTable(figures);
        all << figures;
    }
    if (sizes.size() > 1)
        printGrowth(all);
    QList<Figure> memory;
    measureMemoryFigure(memory);
    printTable(memory);
    return 0;
}
