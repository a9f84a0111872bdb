#include "Figures.h"

#include "collect/FolderScan.h"
#include "collect/WildcardPattern.h"

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

    // What people already trust for this: find.
    const Measurement find =
        measureFind(context.runs, root, {QStringLiteral("-iname"), QStringLiteral("*.jpg")});
    scan.baselineMs = find.medianMs;
    scan.target = QStringLiteral("≤1.5x");
    scan.limit = 1.5;
    figures << scan;
}
