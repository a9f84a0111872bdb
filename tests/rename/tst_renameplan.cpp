#include "rename/RenamePlan.h"
#include "table/Sheet.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Failure = FileOutcome::Failure;
using Mode = RunSettings::BatchMode;

// One data row: B, C, D, E, F, G.
struct Row
{
    QString oldName, newName, oldExtension, newExtension, folder, newFolder;
};

void writeRow(Sheet& sheet, qsizetype row, const Row& cells)
{
    sheet.setNumber(row, Sheet::A, double(row - 1));
    // As typed: a cell may hold a formula.
    sheet.put(row, Sheet::B, cells.oldName);
    sheet.put(row, Sheet::C, cells.newName);
    sheet.put(row, Sheet::D, cells.oldExtension);
    sheet.put(row, Sheet::E, cells.newExtension);
    sheet.put(row, Sheet::F, cells.folder);
    sheet.put(row, Sheet::G, cells.newFolder);
}

QString describe(const RenameSteps& operations)
{
    QStringList lines;
    for (const RenameOperation& op : operations) {
        const QString kind = op.kind == RenameOperation::Kind::Rename ? u"rename"_s
                             : op.kind == RenameOperation::Kind::Copy ? u"copy"_s
                                                                      : u"mkdir"_s;
        QString line = QStringLiteral("%1 %2 -> %3").arg(kind, op.source.joined(), op.destination.joined());
        if (op.state == RenameOperation::State::Unchanged)
            line += QStringLiteral(" unchanged");
        if (op.state == RenameOperation::State::Refused)
            line += QStringLiteral(" refused: ") + op.refusalOutcome().reason();
        if (op.warnFolderForm)
            line += QStringLiteral(" warn");
        lines << line;
    }
    return lines.join(u'\n');
}

RunSettings batch(Mode mode)
{
    RunSettings settings;
    settings.batch = true;
    settings.batchMode = mode;
    return settings;
}

RunSettings derivation(bool inPlace)
{
    RunSettings settings;
    settings.derive = true;
    settings.deriveInPlace = inPlace;
    return settings;
}

} // namespace

Q_DECLARE_METATYPE(RunSettings)

class RenamePlanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowBecomesOperation_data()
    {
        QTest::addColumn<RunSettings>("settings");
        QTest::addColumn<QStringList>("cells"); // B C D E F G
        QTest::addColumn<QString>("expected");

        const RunSettings inPlace = batch(Mode::RenameInPlace);
        const RunSettings copy = batch(Mode::CopyToTarget);
        const RunSettings distribute = batch(Mode::Distribute);

        QTest::newRow("rename in place takes C and E")
            << inPlace << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".md"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/b.md"_s;
        QTest::newRow("rename onto itself is left unchanged")
            << inPlace << QStringList{u"a"_s, u"a"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/a.txt unchanged"_s;
        QTest::newRow("case-only rename is a rename")
            << inPlace << QStringList{u"a"_s, u"a"_s, u".JPG"_s, u".jpg"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.JPG -> /d/a.jpg"_s;
        QTest::newRow("file without extension is renamed")
            << inPlace << QStringList{u"Makefile"_s, u"GNUmakefile"_s, u""_s, u""_s, u"/d/"_s, u""_s}
            << u"rename /d/Makefile -> /d/GNUmakefile"_s;
        QTest::newRow("no old name and no extension gives no operation")
            << inPlace << QStringList{u""_s, u"b"_s, u""_s, u".txt"_s, u"/d/"_s, u""_s} << u""_s;
        QTest::newRow("a formula's value is the new name")
            << inPlace << QStringList{u"a"_s, u"=UPPER(B2)&\"-1\""_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/A-1.txt"_s;
        QTest::newRow("an error value in the new extension refuses the row")
            << inPlace << QStringList{u"a"_s, u"b"_s, u".txt"_s, u"=1/0"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/b#DIV/0! refused: 公式错误: #DIV/0!"_s;
        QTest::newRow("new name with a separator is refused")
            << inPlace << QStringList{u"a"_s, u"sub/b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/sub/b.txt refused: 文件名含有非法字符"_s;
        QTest::newRow("new extension with a separator is refused")
            << inPlace << QStringList{u"a"_s, u"b"_s, u".txt"_s, u"/../x"_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/b/../x refused: 文件名含有非法字符"_s;
        QTest::newRow("new name that names the parent folder is refused")
            << inPlace << QStringList{u"a"_s, u".."_s, u".txt"_s, u""_s, u"/d/"_s, u""_s}
            << u"rename /d/a.txt -> /d/.. refused: 文件名含有非法字符"_s;
        QTest::newRow("relative original folder is refused")
            << inPlace << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u"d/"_s, u""_s}
            << u"rename d/a.txt -> d/b.txt refused: 目录不是完整路径"_s;
        QTest::newRow("empty original folder is refused")
            << inPlace << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u""_s, u""_s}
            << u"rename a.txt -> b.txt refused: 目录不是完整路径"_s;

        QTest::newRow("copy goes into G under C and E")
            << copy << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".md"_s, u"/d/"_s, u"/out/"_s}
            << u"copy /d/a.txt -> /out/b.md"_s;
        QTest::newRow("copy into G written without its separator goes inside it")
            << copy << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".md"_s, u"/d/"_s, u"/out"_s}
            << u"copy /d/a.txt -> /out/b.md"_s;
        const QString loneSurrogate(QChar(0xD800));
        QTest::newRow("name standing for no bytes is refused")
            << copy << QStringList{u"a"_s, u"b"_s + loneSurrogate, u".txt"_s, u".md"_s, u"/d/"_s, u"/out/"_s}
            << u"copy /d/a.txt -> /out/b"_s + loneSurrogate + u".md refused: 文件名含有非法字符"_s;
        QTest::newRow("copy without a target folder is refused")
            << copy << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"copy /d/a.txt -> b.txt refused: 目录不是完整路径"_s;
        QTest::newRow("copy into a relative folder is refused")
            << copy << QStringList{u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"out/"_s}
            << u"copy /d/a.txt -> out/b.txt refused: 目录不是完整路径"_s;
        QTest::newRow("copy skips a row without extension")
            << copy << QStringList{u"a"_s, u"b"_s, u""_s, u".txt"_s, u"/d/"_s, u"/out/"_s} << u""_s;
        QTest::newRow("copy refuses a separator in the new name")
            << copy << QStringList{u"a"_s, u"x/b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"/out/"_s}
            << u"copy /d/a.txt -> /out/x/b.txt refused: 文件名含有非法字符"_s;

        QTest::newRow("distribution keeps B, takes E, adds one separator")
            << distribute << QStringList{u"a"_s, u"/out/2024"_s, u".txt"_s, u".md"_s, u"/d/"_s, u""_s}
            << u"copy /d/a.txt -> /out/2024/a.md"_s;
        QTest::newRow("distribution folder written with its separator is warned about, not doubled")
            << distribute << QStringList{u"a"_s, u"/out/"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"copy /d/a.txt -> /out/a.txt warn"_s;
        QTest::newRow("distribution cell holding a list is one folder")
            << distribute << QStringList{u"a"_s, u"/x;/y"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s}
            << u"copy /d/a.txt -> /x;/y/a.txt"_s;
        QTest::newRow("distribution skips a row without extension")
            << distribute << QStringList{u"a"_s, u"/out"_s, u""_s, u""_s, u"/d/"_s, u""_s} << u""_s;

        QTest::newRow("derivation beside the file takes C and keeps D")
            << derivation(true)
            << QStringList{u"a"_s, u"a-1"_s, u".txt"_s, u".md"_s, u"/d/"_s, u"/elsewhere/"_s}
            << u"copy /d/a.txt -> /d/a-1.txt"_s;
        QTest::newRow("derivation into another folder takes G")
            << derivation(false) << QStringList{u"a"_s, u"a-1"_s, u".txt"_s, u".md"_s, u"/d/"_s, u"/out/"_s}
            << u"copy /d/a.txt -> /out/a-1.txt"_s;
        QTest::newRow("derivation into G written without its separator goes inside it")
            << derivation(false) << QStringList{u"a"_s, u"a-1"_s, u".txt"_s, u".md"_s, u"/d/"_s, u"/out"_s}
            << u"copy /d/a.txt -> /out/a-1.txt"_s;
        QTest::newRow("derivation into a relative folder is refused")
            << derivation(false) << QStringList{u"a"_s, u"a-1"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"out/"_s}
            << u"copy /d/a.txt -> out/a-1.txt refused: 目录不是完整路径"_s;
        QTest::newRow("derivation skips a row without extension")
            << derivation(true) << QStringList{u"a"_s, u"a-1"_s, u""_s, u""_s, u"/d/"_s, u""_s} << u""_s;
    }

    void rowBecomesOperation()
    {
        QFETCH(RunSettings, settings);
        QFETCH(QStringList, cells);
        QFETCH(QString, expected);
        Sheet sheet;
        sheet.setText(1, Sheet::A, QStringLiteral("序号"));
        writeRow(sheet, 2, {cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]});

        const RenamePlan plan = RenamePlan::fromTable(sheet, settings);

        QCOMPARE(plan.dataRows, 1);
        QCOMPARE(describe(settings.derive ? plan.derivation : plan.batch), expected);
    }

    void prePassComesWithTheDistributionMode_data()
    {
        QTest::addColumn<RunSettings>("settings");
        QTest::addColumn<QString>("expected");

        RunSettings neither;
        neither.batchMode = Mode::Distribute;
        RunSettings derivationAfterDistribution = derivation(true);
        derivationAfterDistribution.batchMode = Mode::Distribute;

        QTest::newRow("distribution: every row's folder, rows without extension too")
            << batch(Mode::Distribute)
            << u"mkdir /d/a.txt -> /out\nmkdir /d/b -> rel refused: 目录不是完整路径"_s;
        QTest::newRow("neither mode checked: the pre-pass alone")
            << neither << u"mkdir /d/a.txt -> /out\nmkdir /d/b -> rel refused: 目录不是完整路径"_s;
        QTest::newRow("derivation with the distribution still selected: column C holds names")
            << derivationAfterDistribution << u""_s;
        QTest::newRow("copy mode has no pre-pass") << batch(Mode::CopyToTarget) << u""_s;
    }

    void prePassComesWithTheDistributionMode()
    {
        QFETCH(RunSettings, settings);
        QFETCH(QString, expected);
        Sheet sheet;
        writeRow(sheet, 2, {u"a"_s, u"/out"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s});
        writeRow(sheet, 3, {u"b"_s, u"rel"_s, u""_s, u""_s, u"/d/"_s, u""_s});

        QCOMPARE(describe(RenamePlan::fromTable(sheet, settings).folders), expected);
    }

    void everyRowNeedsANewName_data()
    {
        QTest::addColumn<qsizetype>("dataRows");
        QTest::addColumn<qsizetype>("emptyRow");
        QTest::addColumn<qsizetype>("expected");
        QTest::addColumn<QString>("emptyInput");
        QTest::newRow("all filled") << qsizetype(70) << qsizetype(0) << qsizetype(0) << QString();
        QTest::newRow("empty in the first data row")
            << qsizetype(70) << qsizetype(2) << qsizetype(2) << QString();
        QTest::newRow("empty in row 60, beyond the first 49")
            << qsizetype(70) << qsizetype(60) << qsizetype(60) << QString();
        QTest::newRow("empty in the last row")
            << qsizetype(70) << qsizetype(71) << qsizetype(71) << QString();
        QTest::newRow("a formula giving an empty text")
            << qsizetype(70) << qsizetype(5) << qsizetype(5) << u"=\"\""_s;
        QTest::newRow("header only") << qsizetype(0) << qsizetype(0) << qsizetype(0) << QString();
    }

    void everyRowNeedsANewName()
    {
        QFETCH(qsizetype, dataRows);
        QFETCH(qsizetype, emptyRow);
        QFETCH(qsizetype, expected);
        QFETCH(QString, emptyInput);
        Sheet sheet;
        sheet.setText(1, Sheet::C, QStringLiteral("新文件名"));
        for (qsizetype r = 2; r <= dataRows + 1; ++r)
            writeRow(sheet, r,
                     {u"a"_s, r == emptyRow ? emptyInput : QStringLiteral("b"), u".txt"_s, u".txt"_s,
                      u"/d/"_s, u""_s});

        QCOMPARE(RenamePlan::firstRowWithoutNewName(sheet), expected);
    }

    void rowsAskingForOneNameAreRefusedInEveryMode_data()
    {
        QTest::addColumn<RunSettings>("settings");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rename in place") << batch(Mode::RenameInPlace)
                                         << u"rename /d/a.txt -> /d/x.txt refused: 目标重复\nrename /d/b.txt "
                                            u"-> /d/x.txt refused: 目标重复\n"
                                            u"rename /d/c.txt -> /d/a.txt"_s;
        QTest::newRow("copy into the target folder")
            << batch(Mode::CopyToTarget)
            << u"copy /d/a.txt -> /g/x.txt refused: 目标重复\ncopy /d/b.txt -> /g/x.txt refused: 目标重复\n"
               u"copy /d/c.txt -> /g/a.txt"_s;
        QTest::newRow("derivation")
            << derivation(true)
            << u"copy /d/a.txt -> /d/x.txt refused: 目标重复\ncopy /d/b.txt -> /d/x.txt refused: 目标重复\n"
               u"copy /d/c.txt -> /d/a.txt"_s;
    }

    void rowsAskingForOneNameAreRefusedInEveryMode()
    {
        QFETCH(RunSettings, settings);
        QFETCH(QString, expected);
        Sheet sheet;
        writeRow(sheet, 2, {u"a"_s, u"x"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"/g/"_s});
        writeRow(sheet, 3, {u"b"_s, u"x"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"/g/"_s});
        writeRow(sheet, 4, {u"c"_s, u"a"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"/g/"_s});

        const RenamePlan plan = RenamePlan::fromTable(sheet, settings);

        QCOMPARE(describe(settings.derive ? plan.derivation : plan.batch), expected);
    }

    void renamesInPlaceComeWithTheirOrder()
    {
        Sheet sheet;
        writeRow(sheet, 2, {u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s});
        writeRow(sheet, 3, {u"b"_s, u"a"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u""_s});

        const RenamePlan plan = RenamePlan::fromTable(sheet, batch(Mode::RenameInPlace));

        QCOMPARE(plan.batchChains.groups().size(), size_t(1));
        QVERIFY(plan.batchChains.groups().front().cycle);
        QCOMPARE(plan.batchChains.order(), (std::vector<qsizetype>{0, 1}));
    }

    void batchAndDerivationArePlannedOnTheirOwn()
    {
        Sheet sheet;
        writeRow(sheet, 2, {u"a"_s, u"b"_s, u".txt"_s, u".txt"_s, u"/d/"_s, u"/g/"_s});
        RunSettings both = batch(Mode::CopyToTarget);
        both.derive = true;
        both.deriveInPlace = false;

        const RenamePlan plan = RenamePlan::fromTable(sheet, both);

        QCOMPARE(describe(plan.batch), QStringLiteral("copy /d/a.txt -> /g/b.txt"));
        QCOMPARE(describe(plan.derivation), QStringLiteral("copy /d/a.txt -> /g/b.txt"));
        QVERIFY(plan.folders.empty());
    }
};

QTEST_GUILESS_MAIN(RenamePlanTest)
#include "tst_renameplan.moc"
