#include "Figures.h"

#include "base/Progress.h"
#include "rename/RunForecast.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"

namespace {

// Every file gets a new name: with the prefix, or the old name again.
void nameAll(Sheet& sheet, const QString& prefix)
{
    Sheet::Batch batch(sheet);
    for (qsizetype r : sheet.dataRows())
        sheet.setText(r, Sheet::C, prefix + sheet.text(r, Sheet::B));
}

// The whole verdict, the disk included, as the window comes to it: the table's checks, then
// the listings of the folders the rows need.
void forecastFromScratch(RunForecast& forecast, const Sheet& sheet)
{
    forecast.reset(sheet, RunSettings{.batch = true});
    forecast.addListings(FolderListing::readAll(forecast.takeWantedFolders()));
}

} // namespace

void measureForecastFigures(const BenchContext& context, QList<Figure>& figures)
{
    const QStringList& files = context.tree.files;
    NoProgress progress;
    Sheet sheet;
    buildTable(sheet, files, {}, progress);
    nameAll(sheet, QStringLiteral("新_"));
    RunForecast forecast;

    Figure whole;
    whole.name = QStringLiteral("forecast: whole verdict with the disk");
    whole.size = files.size();
    whole.measured = measure(
        context.runs, [&] { forecastFromScratch(forecast, sheet); }, [&] { forecast = RunForecast(); });
    // The plain listing of those folders.
    whole.baselineMs = measureFind(context.runs, context.tree.root).medianMs;
    whole.target = QStringLiteral("≤2x");
    whole.limit = 2;
    figures << whole;
    if (forecast.failingRows() != 0)
        qFatal("the forecast refuses %lld rows of a sound table", qlonglong(forecast.failingRows()));

    // One name typed into the middle of the table, alternately its neighbour's and its own.
    const qsizetype row = Sheet::rowAtDataIndex(sheet.dataRowCount() / 2);
    const QString own = sheet.text(row, Sheet::C);
    bool clash = false;
    Figure edit;
    edit.name = QStringLiteral("forecast: one cell typed");
    edit.size = files.size();
    edit.measured = measure(std::max(context.runs, 20), [&] {
        clash = !clash;
        sheet.put(row, Sheet::C, clash ? sheet.text(row + 1, Sheet::C) : own);
        forecast.update(sheet, row, row);
    });
    edit.target = QStringLiteral("<5ms");
    edit.limit = 5;
    figures << edit;

    // A rule rewrites every name: the sheet's own work is not part of the figure.
    bool prefixed = false;
    Figure rule;
    rule.name = QStringLiteral("forecast: every name rewritten");
    rule.size = files.size();
    rule.measured = measure(
        context.runs, [&] { forecast.update(sheet, Sheet::FirstDataRow, sheet.usedRowCount()); },
        [&] {
            prefixed = !prefixed;
            nameAll(sheet, prefixed ? QStringLiteral("旧_") : QStringLiteral("新_"));
        });
    rule.target = QStringLiteral("<150ms");
    rule.limit = timeLimitFor(150, files.size());
    figures << rule;
}
