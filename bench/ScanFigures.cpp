#include "Figures.h"

#include "collect/FolderScan.h"
#include "collect/WildcardPattern.h"

#include <QProcess>

void measureScanFigures(const BenchContext& context, QList<Figure>& figures)
{
    const QString root = context.tree.root;
    Figure scan;
    scan.name = QStringLiteral("folder scan *.jpg, recursive");
    scan.size = context.tree.files.size();
    qsizetype found = 0;
    scan.measured = measure(context.runs, [&] {
        QStringList paths;
        scanFolder(root, WildcardPattern(QStringLiteral("*.jpg")), paths);
        found = paths.size();
    });
    if (found != context.tree.jpgCount)
        qFatal("the scan found %lld of %lld .jpg files", qlonglong(found), qlonglong(context.tree.jpgCount));

    // What people already trust for this: find, as a process whose output is read in full.
    const Measurement find = measure(context.runs, [&] {
        QProcess process;
        process.start(QStringLiteral("find"), {root, QStringLiteral("-iname"), QStringLiteral("*.jpg")});
        process.waitForFinished(-1);
        (void)process.readAllStandardOutput();
    });
    scan.baselineMs = find.medianMs;
    scan.target = QStringLiteral("≤1.5x");
    scan.limit = 1.5;
    figures << scan;
}
