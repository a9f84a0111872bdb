#include "Figures.h"

#include "collect/ExtensionFilter.h"
#include "collect/FolderCollection.h"
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

    // 选择目录's own part of a collection, before any table: every file, kept folder by folder.
    Figure collect;
    collect.name = QStringLiteral("folder collection *.*, recursive (no table)");
    collect.size = context.tree.files.size();
    qsizetype collected = 0;
    collect.measured = measure(context.runs, [&] {
        collected = collectFolder(root, WildcardPattern(QStringLiteral("*.*"))).files.size();
    });
    QStringList expected = context.tree.files;
    keepShortExtensions(expected);
    if (collected != expected.size())
        qFatal("the collection found %lld of %lld files", qlonglong(collected), qlonglong(expected.size()));
    collect.baselineMs = measureFind(context.runs, root).medianMs;
    collect.target = QStringLiteral("≤1.2x");
    collect.limit = 1.2;
    figures << collect;
}
