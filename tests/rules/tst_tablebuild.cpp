#include "base/Progress.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"
#include "table/SheetModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr Sheet::Rgb Red = 0xFF0000;
const QString Distribute = QStringLiteral("分配目录(如C:\\XX\\;C:\\YY\\ 的形式)");

TableBuildOptions windowsPaths()
{
    TableBuildOptions options;
    options.separator = u'\\';
    return options;
}

class RecordedProgress final : public Progress
{
public:
    QList<qint64> maximums;
    QList<qint64> values;
    void setMaximum(qint64 maximum) override { maximums << maximum; }
    void setValue(qint64 value) override { values << value; }
};

} // namespace

class TableBuildTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerTexts_data();
    void headerTexts();
    void headerFormats();
    void dataRowsAreContiguous();
    void baseNamesStayText();
    void copyModeFillsTargetFolder();
    void secondBuildOverShorterListKeepsOldRows();
    void progressFollowsTheList();
    void oneViewSignalPerBuild();
    void rowsBeyondSixteenBitCounter();
};

void TableBuildTest::headerTexts_data()
{
    QTest::addColumn<bool>("copyToTarget");
    QTest::addColumn<bool>("distribute");
    QTest::addColumn<QString>("c1");
    QTest::addColumn<QString>("g1");

    QTest::newRow("rename in place") << false << false << QStringLiteral("新文件名") << QString();
    QTest::newRow("copy to a target folder adds G1")
        << true << false << QStringLiteral("新文件名") << QStringLiteral("新文件目录");
    QTest::newRow("distribution names C1 after folders") << false << true << Distribute << QString();
}

void TableBuildTest::headerTexts()
{
    QFETCH(bool, copyToTarget);
    QFETCH(bool, distribute);
    Sheet sheet;
    NoProgress progress;
    TableBuildOptions options = windowsPaths();
    options.copyToTarget = copyToTarget;
    options.distribute = distribute;
    options.targetFolder = QStringLiteral("D:\\out\\");

    QCOMPARE(buildTable(sheet, QStringList(), options, progress), 0);

    QCOMPARE(sheet.text(1, Sheet::A), QStringLiteral("序号"));
    QCOMPARE(sheet.text(1, Sheet::B), QStringLiteral("原文件名"));
    QTEST(sheet.text(1, Sheet::C), "c1");
    QCOMPARE(sheet.text(1, Sheet::D), QStringLiteral("原扩展名"));
    QCOMPARE(sheet.text(1, Sheet::E), QStringLiteral("新扩展名"));
    QCOMPARE(sheet.text(1, Sheet::F), QStringLiteral("原文件目录"));
    QTEST(sheet.text(1, Sheet::G), "g1");
    QCOMPARE(sheet.text(1, Sheet::H), QStringLiteral("注意：本文件规则做好后，一定要保存退出！"));
    QCOMPARE(sheet.usedRowCount(), 1);
}

void TableBuildTest::headerFormats()
{
    Sheet sheet;
    NoProgress progress;
    TableBuildOptions options = windowsPaths();
    options.copyToTarget = true;
    buildTable(sheet, {QStringLiteral("C:\\a.txt")}, options, progress);

    for (int column : {Sheet::C, Sheet::E, Sheet::G, Sheet::H}) {
        QVERIFY2(sheet.isBold(1, column), qPrintable(SheetModel::columnName(column)));
        QCOMPARE(sheet.color(1, column), std::optional<Sheet::Rgb>(Red));
    }
    for (int column : {Sheet::A, Sheet::B, Sheet::D, Sheet::F}) {
        QVERIFY(!sheet.isBold(1, column));
        QCOMPARE(sheet.color(1, column), std::nullopt);
    }
    QVERIFY(!sheet.isBold(2, Sheet::B));
    QCOMPARE(sheet.columnWidth(Sheet::A), std::optional<double>(3));
    QCOMPARE(sheet.fontSize(Sheet::A), 10.0);
    QCOMPARE(sheet.fontSize(Sheet::H), 10.0);
    QCOMPARE(sheet.fontSize(Sheet::J), Sheet::DefaultFontSize);

    Sheet distributing;
    options.copyToTarget = false;
    options.distribute = true;
    buildTable(distributing, QStringList(), options, progress);
    QVERIFY(distributing.isBold(1, Sheet::C));
    QCOMPARE(distributing.color(1, Sheet::C), std::optional<Sheet::Rgb>(Red));
    QCOMPARE(distributing.color(1, Sheet::G), std::nullopt);
}

void TableBuildTest::dataRowsAreContiguous()
{
    Sheet sheet;
    NoProgress progress;
    const QStringList files{
        QStringLiteral("C:\\docs\\report.final.doc"),
        QStringLiteral("C:\\docs\\README"),
        QStringLiteral("C:\\docs\\abc."),
        QStringLiteral("C:\\u\\.profile"),
        QStringLiteral("C:\\rel.1\\Makefile"),
        QStringLiteral("C:\\a.txt"),
    };
    QCOMPARE(buildTable(sheet, files, windowsPaths(), progress), 3);

    QCOMPARE(sheet.usedRowCount(), 4);
    struct Row
    {
        double number;
        QString base, ext, folder;
    };
    const Row expected[] = {
        {1, QStringLiteral("report.final"), QStringLiteral(".doc"), QStringLiteral("C:\\docs\\")},
        {2, QString(), QStringLiteral(".profile"), QStringLiteral("C:\\u\\")},
        {3, QStringLiteral("a"), QStringLiteral(".txt"), QStringLiteral("C:\\")},
    };
    for (int i = 0; i < 3; ++i) {
        const qsizetype row = i + 2;
        QVERIFY(sheet.isNumber(row, Sheet::A));
        QCOMPARE(std::get<double>(sheet.value(row, Sheet::A)), expected[i].number);
        QCOMPARE(sheet.text(row, Sheet::B), expected[i].base);
        QCOMPARE(sheet.text(row, Sheet::J), expected[i].base);
        QCOMPARE(sheet.text(row, Sheet::D), expected[i].ext);
        QCOMPARE(sheet.text(row, Sheet::E), expected[i].ext);
        QCOMPARE(sheet.text(row, Sheet::F), expected[i].folder);
        QVERIFY(sheet.isEmpty(row, Sheet::C));
        QVERIFY(sheet.isEmpty(row, Sheet::G));
        QVERIFY(sheet.isEmpty(row, Sheet::K));
    }
}

void TableBuildTest::baseNamesStayText()
{
    Sheet sheet;
    NoProgress progress;
    buildTable(
        sheet,
        {QStringLiteral("C:\\n\\007.jpg"), QStringLiteral("C:\\n\\3e5.jpg"), QStringLiteral("C:\\n\\'q.jpg")},
        windowsPaths(), progress);
    QVERIFY(!sheet.isNumber(2, Sheet::B));
    QCOMPARE(sheet.text(2, Sheet::B), QStringLiteral("007"));
    QCOMPARE(sheet.text(3, Sheet::J), QStringLiteral("3e5"));
    QVERIFY(!sheet.isNumber(3, Sheet::J));
    // The name's own apostrophe is part of the name, not a text marker.
    QCOMPARE(sheet.text(4, Sheet::B), QStringLiteral("'q"));
}

void TableBuildTest::copyModeFillsTargetFolder()
{
    Sheet sheet;
    NoProgress progress;
    TableBuildOptions options = windowsPaths();
    options.copyToTarget = true;
    options.targetFolder = QStringLiteral("D:\\out\\");
    buildTable(sheet,
               {QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\x\\README"), QStringLiteral("C:\\x\\b.doc")},
               options, progress);

    QCOMPARE(sheet.text(2, Sheet::G), QStringLiteral("D:\\out\\"));
    QCOMPARE(sheet.text(3, Sheet::G), QStringLiteral("D:\\out\\"));
    QCOMPARE(sheet.text(3, Sheet::B), QStringLiteral("b"));
    QVERIFY(sheet.isEmpty(4, Sheet::G));
}

void TableBuildTest::secondBuildOverShorterListKeepsOldRows()
{
    Sheet sheet;
    NoProgress progress;
    TableBuildOptions copying = windowsPaths();
    copying.copyToTarget = true;
    copying.targetFolder = QStringLiteral("D:\\out\\");
    buildTable(sheet,
               {QStringLiteral("C:\\1.a"), QStringLiteral("C:\\2.b"), QStringLiteral("C:\\3.c"),
                QStringLiteral("C:\\4.d"), QStringLiteral("C:\\5.e")},
               copying, progress);
    sheet.setText(2, Sheet::C, QStringLiteral("new one"));
    sheet.setText(6, Sheet::K, QStringLiteral("005"));

    QCOMPARE(buildTable(sheet, {QStringLiteral("E:\\x.jpg"), QStringLiteral("E:\\y.jpg")}, windowsPaths(),
                        progress),
             2);

    QCOMPARE(sheet.usedRowCount(), 6);
    QCOMPARE(sheet.text(2, Sheet::B), QStringLiteral("x"));
    QCOMPARE(sheet.text(3, Sheet::F), QStringLiteral("E:\\"));
    QCOMPARE(sheet.text(2, Sheet::C), QStringLiteral("new one"));
    QCOMPARE(sheet.text(4, Sheet::B), QStringLiteral("3"));
    QCOMPARE(sheet.text(6, Sheet::A), QStringLiteral("5"));
    QCOMPARE(sheet.text(6, Sheet::D), QStringLiteral(".e"));
    QCOMPARE(sheet.text(6, Sheet::K), QStringLiteral("005"));
    // Leftovers of the copy mode stay: its header and its target folders.
    QCOMPARE(sheet.text(1, Sheet::G), QStringLiteral("新文件目录"));
    QCOMPARE(sheet.text(2, Sheet::G), QStringLiteral("D:\\out\\"));
}

void TableBuildTest::progressFollowsTheList()
{
    Sheet sheet;
    RecordedProgress progress;
    buildTable(sheet,
               {QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\README"), QStringLiteral("C:\\b.txt")},
               windowsPaths(), progress);
    QCOMPARE(progress.maximums, (QList<qint64>{3, 2}));
    // Reported every few thousand files, and at the end.
    QCOMPARE(progress.values, (QList<qint64>{0, 2}));
}

void TableBuildTest::oneViewSignalPerBuild()
{
    SheetModel model;
    QAbstractItemModelTester tester(&model);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QStringList files;
    for (int i = 0; i < 500; ++i)
        files << QStringLiteral("C:\\d\\f%1.txt").arg(i);
    NoProgress progress;

    buildTable(model.sheet(), files, windowsPaths(), progress);

    QCOMPARE(changed.count(), 1);
    QVERIFY(inserted.count() <= 1);
    QCOMPARE(model.sheet().text(501, Sheet::B), QStringLiteral("f499"));
}

// Every file with an extension gets its row, however long the list.
void TableBuildTest::rowsBeyondSixteenBitCounter()
{
    Sheet sheet;
    NoProgress progress;
    QStringList files;
    for (int i = 1; i <= 33000; ++i)
        files << QStringLiteral("/d/%1.jpg").arg(i);
    TableBuildOptions options;
    options.separator = u'/';

    QCOMPARE(buildTable(sheet, files, options, progress), 33000);
    QCOMPARE(sheet.usedRowCount(), 33001);
    QCOMPARE(sheet.text(32768, Sheet::A), QStringLiteral("32767"));
    QCOMPARE(sheet.text(33001, Sheet::A), QStringLiteral("33000"));
    QCOMPARE(sheet.text(33001, Sheet::B), QStringLiteral("33000"));
}

QTEST_GUILESS_MAIN(TableBuildTest)
#include "tst_tablebuild.moc"
