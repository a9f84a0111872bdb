#include "rules/NewNameReplacement.h"
#include "table/SheetModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestNewNameReplacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replacesExactly_data();
    void replacesExactly();
    void writesEveryRowBackAtOnce();
};

void TestNewNameReplacement::replacesExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a word in the middle")
        << u"01-report-final"_s << u"report"_s << u"memo"_s << u"01-memo-final"_s;
    QTest::newRow("matches do not overlap") << u"aaaa"_s << u"aa"_s << u"b"_s << u"bb"_s;
    QTest::newRow("inserted text is not searched again") << u"aaaa"_s << u"aa"_s << u"aab"_s << u"aabaab"_s;
    QTest::newRow("odd remainder stays") << u"aaa"_s << u"aa"_s << u"b"_s << u"ba"_s;
    QTest::newRow("case differs") << u"Report"_s << u"report"_s << u"memo"_s << u"Report"_s;
    QTest::newRow("full-width differs from half-width") << u"ＡＢ-AB"_s << u"AB"_s << u"x"_s << u"ＡＢ-x"_s;
    QTest::newRow("empty search changes nothing") << u"report"_s << u""_s << u"x"_s << u"report"_s;
    QTest::newRow("empty replacement removes") << u"a-b-c"_s << u"-"_s << u""_s << u"abc"_s;
    QTest::newRow("Chinese text") << u"会议记录-记录"_s << u"记录"_s << u"纪要"_s << u"会议纪要-纪要"_s;
    QTest::newRow("emoji") << u"a😀b😀"_s << u"😀"_s << u"_"_s << u"a_b_"_s;
    QTest::newRow("the whole name") << u"report"_s << u"report"_s << u""_s << u""_s;
}

void TestNewNameReplacement::replacesExactly()
{
    QFETCH(QString, name);
    QFETCH(QString, find);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);

    QCOMPARE(replaceExactly(name, find, replacement), expected);
}

void TestNewNameReplacement::writesEveryRowBackAtOnce()
{
    SheetModel model;
    Sheet& sheet = model.sheet();
    sheet.setText(1, Sheet::C, u"新文件名"_s);
    sheet.setText(2, Sheet::C, u"01-report"_s);
    sheet.setNumber(3, Sheet::C, 12);
    sheet.setText(5, Sheet::C, u"02-report"_s);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    replaceInNewNames(sheet, u"report"_s, u"memo"_s);

    QCOMPARE(sheet.text(1, Sheet::C), u"新文件名"_s);
    QCOMPARE(sheet.text(2, Sheet::C), u"01-memo"_s);
    QCOMPARE(sheet.text(3, Sheet::C), u"12"_s);
    QVERIFY(!sheet.isNumber(3, Sheet::C)); // written back as text
    QVERIFY(sheet.isEmpty(4, Sheet::C));
    QCOMPARE(sheet.text(5, Sheet::C), u"02-memo"_s);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(1, 2));
    QCOMPARE(changed[0][1].toModelIndex(), model.index(4, 2));
}

QTEST_GUILESS_MAIN(TestNewNameReplacement)
#include "tst_newnamereplacement.moc"
