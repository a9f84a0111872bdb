#include "Figures.h"

#include "base/Progress.h"
#include "rules/NewNameComposition.h"
#include "rules/RuleValues.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"
#include "workbook/TableExport.h"

#include <QDir>
#include <QFile>

void measureExportFigures(const BenchContext& context, QList<Figure>& figures)
{
    Sheet sheet;
    NoProgress progress;
    buildTable(sheet, context.tree.files, {}, progress);
    composeNewNames(sheet, RuleValues{}, false, progress);

    const QString folder = context.scratch + QStringLiteral("/export");
    QDir().mkpath(folder);
    Figure exported;
    exported.name = QStringLiteral("export to a workbook");
    exported.size = context.tree.files.size();
    QString written;
    exported.measured = measure(
        context.runs,
        [&] {
            const TableExport result = exportTable(sheet, folder, QDateTime::currentDateTime());
            if (!result.succeeded())
                qFatal("export failed: %s", qPrintable(result.error));
            written = result.path;
        },
        [&] {
            if (!written.isEmpty())
                QFile::remove(written);
        });
    QFile::remove(written);
    exported.target = QStringLiteral("<3s");
    exported.limit = timeLimitFor(3000, exported.size);
    figures << exported;
}
