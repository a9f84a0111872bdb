#include "MemoryCells.h"
#include "formula/Formula.h"
#include "formula/ValueText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestFormulaText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsNumbersInTheGeneralFormat_data();
    void showsNumbersInTheGeneralFormat();
    void showsTextsOfTheProgramsOwn_data();
    void showsTextsOfTheProgramsOwn();
};

void TestFormulaText::showsNumbersInTheGeneralFormat_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("shown");

    QTest::newRow("whole") << 100.0 << u"100"_s;
    QTest::newRow("negative fraction") << -0.5 << u"-0.5"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("binary error hidden") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("fifteen digits") << 123456789012345.0 << u"123456789012345"_s;
    QTest::newRow("sixteen digits") << 1234567890123456.0 << u"1.23456789012346E+15"_s;
    QTest::newRow("rounded to fifteen") << 2.0 / 3 << u"0.666666666666667"_s;
    QTest::newRow("small stays decimal") << 0.000001 << u"0.000001"_s;
    QTest::newRow("tiny takes an exponent") << 1.5e-10 << u"1.5E-10"_s;
    QTest::newRow("huge takes an exponent") << 1.5e300 << u"1.5E+300"_s;
}

void TestFormulaText::showsNumbersInTheGeneralFormat()
{
    QFETCH(double, number);
    QFETCH(QString, shown);

    QCOMPARE(shownText(FormulaValue::number(number)), shown);
}

// What the program adds to spreadsheets' answers: characters beyond the basic plane count one,
// and format codes read as Excel in Chinese reads them.
void TestFormulaText::showsTextsOfTheProgramsOwn_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    // B2 holds 中文😀名.
    QTest::newRow("LEN") << u"=LEN(B2)"_s << u"4"_s;
    QTest::newRow("LEFT") << u"=LEFT(B2,3)"_s << u"中文😀"_s;
    QTest::newRow("RIGHT") << u"=RIGHT(B2,2)"_s << u"😀名"_s;
    QTest::newRow("MID") << u"=MID(B2,3,1)"_s << u"😀"_s;
    QTest::newRow("FIND after it") << u"=FIND(\"名\",B2)"_s << u"4"_s;
    QTest::newRow("FIND from after it") << u"=FIND(\"名\",B2,4)"_s << u"4"_s;
    QTest::newRow("SEARCH with a wildcard over it") << u"=SEARCH(\"?名\",B2)"_s << u"3"_s;
    QTest::newRow("REPLACE") << u"=REPLACE(B2,3,1,\"-\")"_s << u"中文-名"_s;
    QTest::newRow("UNICODE") << u"=UNICODE(MID(B2,3,1))"_s << u"128512"_s;
    QTest::newRow("UNICHAR") << u"=UNICHAR(128512)"_s << u"😀"_s;

    // A1 holds 2026-12-08 18:00, a Tuesday.
    QTest::newRow("weekday") << u"=TEXT(A1,\"aaaa\")"_s << u"星期二"_s;
    QTest::newRow("short weekday") << u"=TEXT(A1,\"m月d日（aaa）\")"_s << u"12月8日（二）"_s;
    QTest::newRow("morning or afternoon") << u"=TEXT(A1,\"上午/下午h时mm分\")"_s << u"下午6时00分"_s;
    QTest::newRow("general format") << u"=TEXT(1234.5,\"G/通用格式\")"_s << u"1234.5"_s;
    QTest::newRow("colour left out") << u"=TEXT(-5,\"0;[红色]0\")"_s << u"5"_s;
    QTest::newRow("truth values stay words") << u"=TEXT(TRUE,\"0.00\")"_s << u"TRUE"_s;
}

void TestFormulaText::showsTextsOfTheProgramsOwn()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    MemoryCells cells;
    cells.set("A1", FormulaValue::number(46364.75));
    cells.set("B2", FormulaValue::text(u"中文😀名"_s));
    QCOMPARE(shownText(Formula::parse(typed, {2, 3}).formula->evaluate(cells, {2, 3})), shown);
}

QTEST_GUILESS_MAIN(TestFormulaText)
#include "tst_formulatext.moc"
