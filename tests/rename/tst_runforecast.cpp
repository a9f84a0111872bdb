#include "FileTree.h"
#include "QuietObserver.h"
#include "rename/LinuxFileSystem.h"
#include "rename/RenameExecutor.h"
#include "rename/RenamePlan.h"
#include "rename/RowPlan.h"
#include "rename/RunForecast.h"
#include "rename/RunState.h"
#include "table/Sheet.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Mode = RunSettings::BatchMode;

RunSettings batch(Mode mode)
{
    return {.batch = true, .batchMode = mode};
}

// Rows written "B|C|D|E|F|G" from row 2 on; %T stands for the tree's folder.
void writeRows(Sheet& sheet, const QStringList& rows, const QString& tree)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList cells = QString(rows[i]).replace(u"%T"_s, tree).split(u'|');
        for (int column = Sheet::B; column <= Sheet::G; ++column)
            sheet.put(Sheet::rowAtDataIndex(i + 1), column, cells.value(column - Sheet::B));
    }
}

// Hands the forecast every listing it waits for, as the window's reader does.
void readDisk(RunForecast& forecast)
{
    for (QStringList wanted = forecast.takeWantedFolders(); !wanted.isEmpty();
         wanted = forecast.takeWantedFolders())
        forecast.addListings(FolderListing::readAll(wanted));
}

QStringList reasons(const RunForecast& forecast, const Sheet& sheet)
{
    QStringList reasons;
    for (qsizetype row : sheet.dataRows())
        reasons << forecast.verdict(row).reason();
    return reasons;
}

// What the run itself refuses before it touches a file, row by row, first pass first.
QStringList planReasons(const Sheet& sheet, const RunSettings& settings)
{
    QStringList reasons(sheet.dataRowCount());
    // Before any new name is made there is nothing to foretell.
    if (std::ranges::all_of(sheet.dataRows(),
                            [&](qsizetype row) { return RowPlan::lacksNewName(sheet, row); }))
        return reasons;
    const auto note = [&](qsizetype row, const QString& reason) {
        QString& shown = reasons[Sheet::dataIndexOf(row) - 1];
        if (shown.isEmpty())
            shown = reason;
    };
    for (qsizetype row : sheet.dataRows())
        if (RowPlan::lacksNewName(sheet, row))
            note(row, FileOutcome::failed(FileOutcome::Failure::EmptyNewName).reason());
    const RenamePlan plan = RenamePlan::fromTable(sheet, settings);
    for (const auto* pass : {&plan.folders, &plan.batch, &plan.derivation})
        for (const RenameOperation& operation : *pass)
            if (operation.state == RenameOperation::State::Refused)
                note(operation.row, operation.refusalOutcome().reason());
    return reasons;
}

// A cell of column B to G from a few choices, so that rows meet on their names.
QString pickCell(QRandomGenerator& random, int column)
{
    static const QStringList choices[] = {
        {u"a"_s, u"b"_s, u"c"_s, u""_s},                                 // B
        {u"a"_s, u"b"_s, u"c"_s, u""_s, u"=1/0"_s, u"=NA()"_s, u"/o"_s}, // C
        {u".x"_s, u""_s},                                                // D
        {u".x"_s, u".y"_s},                                              // E
        {u"/d/"_s, u"/e/"_s, u"d/"_s},                                   // F
        {u"/d/"_s, u"/g/"_s, u""_s},                                     // G
    };
    const QStringList& cells = choices[column - Sheet::B];
    return cells[random.bounded(cells.size())];
}

void fillRandomly(Sheet& sheet, QRandomGenerator& random, qsizetype rows)
{
    Sheet::Batch batch(sheet);
    for (qsizetype row = 2; row < 2 + rows; ++row)
        for (int column = Sheet::B; column <= Sheet::G; ++column)
            sheet.put(row, column, pickCell(random, column));
}

} // namespace

Q_DECLARE_METATYPE(RunSettings)

class RunForecastTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reasonShownAndFixed_data();
    void reasonShownAndFixed();
    void followsEditsAsThePlanDecides_data();
    void followsEditsAsThePlanDecides();
    void runStillChecksTheDisk();
    void largeTableAgreesWithThePlan();
};

void RunForecastTest::reasonShownAndFixed_data()
{
    QTest::addColumn<RunSettings>("settings");
    QTest::addColumn<QStringList>("rows"); // over the files a.x, b.x, 图.x and \xC4\xE3.x
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("fix"); // row, column, input

    const RunSettings inPlace = batch(Mode::RenameInPlace);
    QTest::newRow("目标重复") << inPlace << QStringList{u"a|c|.x|.x|%T"_s, u"b|c|.x|.x|%T"_s}
                              << QStringList{u"目标重复"_s, u"目标重复"_s}
                              << QStringList{u"3"_s, u"3"_s, u"d"_s};
    QTest::newRow("目标已存在") << inPlace << QStringList{u"a|b|.x|.x|%T"_s} << QStringList{u"目标已存在"_s}
                                << QStringList{u"2"_s, u"3"_s, u"d"_s};
    QTest::newRow("源文件不存在") << inPlace << QStringList{u"q|r|.x|.x|%T"_s}
                                  << QStringList{u"源文件不存在"_s} << QStringList{u"2"_s, u"2"_s, u"a"_s};
    QTest::newRow("非法字符") << inPlace << QStringList{u"a|c/d|.x|.x|%T"_s}
                              << QStringList{u"文件名含有非法字符"_s} << QStringList{u"2"_s, u"3"_s, u"d"_s};
    QTest::newRow("目录不完整") << inPlace << QStringList{u"a|c|.x|.x|t/"_s}
                                << QStringList{u"目录不是完整路径"_s} << QStringList{u"2"_s, u"6"_s, u"%T"_s};
    QTest::newRow("公式错误") << inPlace << QStringList{u"a|=1/0|.x|.x|%T"_s}
                              << QStringList{u"公式错误: #DIV/0!"_s}
                              << QStringList{u"2"_s, u"3"_s, u"=B2&1"_s};
    QTest::newRow("新文件名为空") << inPlace << QStringList{u"a||.x|.x|%T"_s, u"b|d|.x|.x|%T"_s}
                                  << QStringList{u"新文件名为空"_s, u""_s}
                                  << QStringList{u"2"_s, u"3"_s, u"c"_s};
    // b stays while two rows claim it, so a finds its new name taken; once the third row is
    // another file that keeps its name, b moves on to c before a needs its name.
    QTest::newRow("链与不变") << inPlace
                              << QStringList{u"a|b|.x|.x|%T"_s, u"b|c|.x|.x|%T"_s, u"b|b|.x|.x|%T"_s}
                              << QStringList{u"目标已存在"_s, u"源文件重复"_s, u"源文件重复"_s}
                              << QStringList{u"4"_s, u"6"_s, u"%Tsub/"_s};
    // Names that are not plain ASCII, or not UTF-8 at all (\xC4\xE3 in GBK), are found in their
    // folder's listing as the run would find them.
    const QString gbk = QString(QChar(0xDCC4)) + QChar(0xDCE3);
    QTest::newRow("目标已存在, 名称非 UTF-8")
        << inPlace << QStringList{u"图|"_s + gbk + u"|.x|.x|%T"_s} << QStringList{u"目标已存在"_s}
        << QStringList{u"2"_s, u"3"_s, u"d"_s};
    QTest::newRow("目标目录不存在") << batch(Mode::CopyToTarget) << QStringList{u"a|c|.x|.x|%T|%Tout/"_s}
                                    << QStringList{u"目标目录不存在"_s}
                                    << QStringList{u"2"_s, u"7"_s, u"%T"_s};
}

void RunForecastTest::reasonShownAndFixed()
{
    QFETCH(RunSettings, settings);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, fix);
    FileTree tree;
    tree.files({u"a.x"_s, u"b.x"_s, u"图.x"_s});
    tree.writeBytes("\xC4\xE3.x", {});
    Sheet sheet;
    writeRows(sheet, rows, tree.folder());
    // At once, and a row at a time with the folder's listing, read before, arriving meanwhile.
    for (const qsizetype rowsAtOnce : {RunForecast::AllRows, qsizetype(1)}) {
        RunForecast forecast(rowsAtOnce);
        forecast.reset(sheet, settings);
        if (forecast.planning())
            forecast.addListings(FolderListing::readAll({tree.folder()}));
        while (forecast.planning())
            forecast.planMore(sheet);
        readDisk(forecast);
        QCOMPARE(reasons(forecast, sheet), expected);
        QCOMPARE(forecast.failingRows(), expected.size() - expected.count(QString()));
    }

    RunForecast forecast;
    forecast.reset(sheet, settings);
    readDisk(forecast);
    const qsizetype row = fix[0].toInt();
    sheet.put(row, fix[1].toInt(), fix[2].replace(u"%T"_s, tree.folder()));
    forecast.update(sheet, row, row);
    readDisk(forecast);
    QCOMPARE(reasons(forecast, sheet), QStringList(expected.size()));
    QCOMPARE(forecast.failingRows(), 0);
}

void RunForecastTest::followsEditsAsThePlanDecides_data()
{
    QTest::addColumn<RunSettings>("settings");
    QTest::addColumn<bool>("unnamedAtFirst"); // as a collection lays the table out
    QTest::addColumn<qsizetype>("rowsAtOnce");
    const qsizetype all = RunForecast::AllRows;
    QTest::newRow("同位置改名") << batch(Mode::RenameInPlace) << false << all;
    QTest::newRow("异位置改名") << batch(Mode::CopyToTarget) << false << all;
    QTest::newRow("文件分配器") << batch(Mode::Distribute) << false << all;
    QTest::newRow("衍生") << RunSettings{.derive = true} << false << all;
    QTest::newRow("分配与衍生") << RunSettings{.batch = true,
                                               .batchMode = Mode::Distribute,
                                               .derive = true,
                                               .deriveInPlace = false}
                                << false << all;
    QTest::newRow("同位置改名, no names yet") << batch(Mode::RenameInPlace) << true << all;
    QTest::newRow("衍生, no names yet") << RunSettings{.derive = true} << true << all;
    QTest::newRow("同位置改名, in slices") << batch(Mode::RenameInPlace) << false << qsizetype(5);
    QTest::newRow("衍生, no names yet, in slices") << RunSettings{.derive = true} << true << qsizetype(5);
}

// Random edits over a few names, so that rows keep meeting and parting: after each one, the
// forecast without the disk refuses exactly the rows the run's plan refuses. Planned in slices,
// edits keep coming while the table is planned afresh, and it is checked once the slices are in.
void RunForecastTest::followsEditsAsThePlanDecides()
{
    QFETCH(RunSettings, settings);
    QFETCH(bool, unnamedAtFirst);
    QFETCH(qsizetype, rowsAtOnce);
    QRandomGenerator random(17);
    const auto pick = [&](int column) { return pickCell(random, column); };
    Sheet sheet;
    fillRandomly(sheet, random, 12);
    if (unnamedAtFirst)
        for (qsizetype row : sheet.dataRows())
            sheet.clearCell(row, Sheet::C);
    RunForecast forecast(rowsAtOnce);
    forecast.reset(sheet, settings);
    while (forecast.planning())
        forecast.planMore(sheet);
    QCOMPARE(reasons(forecast, sheet), planReasons(sheet, settings));
    for (int step = 0; step < 400; ++step) {
        // Now and then the table grows by a row or loses its last one, or a rule rewrites
        // every name.
        qsizetype top = 2 + random.bounded(int(sheet.dataRowCount()) + 1);
        qsizetype bottom = top;
        if (step % 37 == 36) {
            top = bottom = sheet.usedRowCount();
            Sheet::Batch edit(sheet);
            for (int column = Sheet::B; column <= Sheet::G; ++column)
                sheet.clearCell(top, column);
        } else if (step % 23 == 22) {
            std::tie(top, bottom) = std::pair(Sheet::FirstDataRow, sheet.usedRowCount());
            for (qsizetype row = top; row <= bottom; ++row)
                sheet.put(row, Sheet::C, pick(Sheet::C));
        } else {
            const int column = Sheet::B + random.bounded(6);
            sheet.put(top, column, pick(column));
        }
        forecast.update(sheet, top, bottom);
        // A run may start while slices are still to come: it lets go of them, and the table
        // is planned afresh once it is over.
        if (forecast.planning() && step % 5 == 0) {
            forecast.releasePlan();
            QVERIFY(!forecast.planning());
            forecast.reset(sheet, settings);
        }
        if (forecast.planning() && random.bounded(3) != 0)
            continue;
        while (forecast.planning())
            forecast.planMore(sheet);

        QCOMPARE(reasons(forecast, sheet), planReasons(sheet, settings));
        QCOMPARE(forecast.failingRows(), sheet.dataRowCount() - reasons(forecast, sheet).count(QString()));
    }
}

// The forecast reads the disk once; the run reads it again when it acts.
void RunForecastTest::runStillChecksTheDisk()
{
    FileTree tree;
    tree.file(u"a.x"_s);
    Sheet sheet;
    writeRows(sheet, {u"a|c|.x|.x|%T"_s}, tree.folder());
    RunForecast forecast;
    forecast.reset(sheet, batch(Mode::RenameInPlace));
    readDisk(forecast);
    QVERIFY(forecast.verdict(2).ok());

    tree.file(u"c.x"_s);
    LinuxFileSystem fileSystem;
    QuietObserver observer;
    RunState state;
    const RenamePlan plan = RenamePlan::fromTable(sheet, batch(Mode::RenameInPlace));
    const PhaseResult result = RenameExecutor(fileSystem, observer).carryOutBatch(plan, state);
    QCOMPARE(qsizetype(result.failures.size()), 1);
    QCOMPARE(result.failures[0].outcome.reason(), u"目标已存在"_s);
    QCOMPARE(tree.readBytes("a.x"), QByteArray("a.x"));
}

// A table large enough to be planned in several slices side by side: rows of one slice meet
// rows of another on their names all the same.
void RunForecastTest::largeTableAgreesWithThePlan()
{
    QRandomGenerator random(29);
    Sheet sheet;
    fillRandomly(sheet, random, 20000);
    for (const RunSettings& settings : {batch(Mode::RenameInPlace), RunSettings{.derive = true}}) {
        RunForecast forecast;
        forecast.reset(sheet, settings);
        const QStringList shown = reasons(forecast, sheet);
        QCOMPARE(shown, planReasons(sheet, settings));
        QCOMPARE(forecast.failingRows(), sheet.dataRowCount() - shown.count(QString()));
    }
}

QTEST_GUILESS_MAIN(RunForecastTest)
#include "tst_runforecast.moc"
