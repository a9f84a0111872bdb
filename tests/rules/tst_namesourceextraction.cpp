#include "base/WholeNumber.h"
#include "rules/NamePiece.h"
#include "rules/NameSourceExtraction.h"
#include "table/Sheet.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using From = NamePiece::From;

Q_DECLARE_METATYPE(NamePiece::From)

namespace {

void fillTable(Sheet& sheet, const QStringList& names)
{
    sheet.setText(1, Sheet::B, u"原文件名"_s);
    for (qsizetype i = 0; i < names.size(); ++i) {
        sheet.setText(i + 2, Sheet::B, names[i]);
        sheet.setText(i + 2, Sheet::J, names[i]);
    }
}

} // namespace

class TestNameSourceExtraction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cutsPieces_data();
    void cutsPieces();
    void invalidPieceLeavesSourcesAlone_data();
    void invalidPieceLeavesSourcesAlone();
    void cutsFromTheOldNameEveryTime();
    void hugeCountTakesWholeNames();
};

void TestNameSourceExtraction::cutsPieces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<From>("from");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Chinese from the left") << u"会议记录2024"_s << From::Left << 1 << 4 << u"会议记录"_s;
    QTest::newRow("from the right") << u"report_final"_s << From::Right << 1 << 5 << u"final"_s;
    QTest::newRow("from the middle") << u"ABCDEFG"_s << From::Middle << 3 << 2 << u"CD"_s;
    QTest::newRow("middle past the end") << u"ABCDEFG"_s << From::Middle << 6 << 5 << u"FG"_s;
    QTest::newRow("middle beyond the end") << u"ABCDEFG"_s << From::Middle << 9 << 2 << u""_s;
    QTest::newRow("none from the left") << u"report"_s << From::Left << 1 << 0 << u""_s;
    QTest::newRow("more than the name has") << u"report"_s << From::Right << 1 << 99 << u"report"_s;
    QTest::newRow("emoji counts one from the left") << u"😀ab"_s << From::Left << 1 << 2 << u"😀a"_s;
    QTest::newRow("emoji counts one from the right") << u"ab😀"_s << From::Right << 1 << 1 << u"😀"_s;
    QTest::newRow("emoji counts one before the start") << u"😀😀CD"_s << From::Middle << 3 << 2 << u"CD"_s;
    QTest::newRow("emoji inside a middle piece") << u"a😀b"_s << From::Middle << 2 << 1 << u"😀"_s;
}

void TestNameSourceExtraction::cutsPieces()
{
    QFETCH(QString, name);
    QFETCH(From, from);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(QString, expected);

    Sheet sheet;
    fillTable(sheet, {name, u"second"_s});
    QVERIFY(extractNameSource(sheet, NamePiece{from, count, start}));

    QCOMPARE(sheet.text(2, Sheet::J), expected);
    QCOMPARE(sheet.text(2, Sheet::B), name);
}

void TestNameSourceExtraction::invalidPieceLeavesSourcesAlone_data()
{
    QTest::addColumn<From>("from");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");

    QTest::newRow("negative count from the left") << From::Left << 1 << -1;
    QTest::newRow("negative count from the right") << From::Right << 1 << -2;
    QTest::newRow("start 0 in the middle") << From::Middle << 0 << 2;
}

void TestNameSourceExtraction::invalidPieceLeavesSourcesAlone()
{
    QFETCH(From, from);
    QFETCH(int, start);
    QFETCH(int, count);

    Sheet sheet;
    fillTable(sheet, {u"ABCDEFG"_s});
    sheet.setText(2, Sheet::J, u"CD"_s);
    QVERIFY(!extractNameSource(sheet, NamePiece{from, count, start}));

    QCOMPARE(sheet.text(2, Sheet::J), u"CD"_s);
}

void TestNameSourceExtraction::cutsFromTheOldNameEveryTime()
{
    Sheet sheet;
    fillTable(sheet, {u"ABCDEFG"_s, u"会议记录2024"_s});
    extractNameSource(sheet, NamePiece{From::Left, 3, 1});
    extractNameSource(sheet, NamePiece{From::Right, 2, 1});

    QCOMPARE(sheet.text(2, Sheet::J), u"FG"_s);
    QCOMPARE(sheet.text(3, Sheet::J), u"24"_s);
}

void TestNameSourceExtraction::hugeCountTakesWholeNames()
{
    Sheet sheet;
    fillTable(sheet, {u"ABCDEFG"_s});
    const std::optional<qint64> count = wholeNumber(u"99999999999999999999999999"_s);
    QVERIFY(count);
    extractNameSource(sheet, NamePiece{From::Right, *count, 1});

    QCOMPARE(sheet.text(2, Sheet::J), u"ABCDEFG"_s);
}

QTEST_GUILESS_MAIN(TestNameSourceExtraction)
#include "tst_namesourceextraction.moc"
