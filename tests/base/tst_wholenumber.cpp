#include "base/WholeNumber.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

// Counts typed into fields: the rules' rounding reading and the derivation's digits-only one.
class TestWholeNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsWholeNumbers_data();
    void convertsWholeNumbers();
    void takesDigitsOnly_data();
    void takesDigitsOnly();
};

void TestWholeNumber::convertsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("digits") << u"12"_s << true << qint64(12);
    QTest::newRow("blanks around") << u"  7 "_s << true << qint64(7);
    QTest::newRow("negative") << u"-3"_s << true << qint64(-3);
    QTest::newRow("half rounds down to even") << u"2.5"_s << true << qint64(2);
    QTest::newRow("half rounds up to even") << u"3.5"_s << true << qint64(4);
    QTest::newRow("just above a half") << u"2.5000000000000000001"_s << true << qint64(3);
    QTest::newRow("above a half") << u"2.6"_s << true << qint64(3);
    QTest::newRow("negative half") << u"-1.5"_s << true << qint64(-2);
    QTest::newRow("fraction without whole part") << u".7"_s << true << qint64(1);
    QTest::newRow("empty") << u""_s << false << qint64(0);
    QTest::newRow("digits then a letter") << u"12a"_s << false << qint64(0);
    QTest::newRow("exponent") << u"1e3"_s << false << qint64(0);
    QTest::newRow("full-width digits") << u"１２"_s << false << qint64(0);
}

void TestWholeNumber::convertsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(qint64, expected);

    const std::optional<qint64> number = wholeNumber(text);
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*number, expected);
}

void TestWholeNumber::takesDigitsOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("digits") << u"12"_s << true << qint64(12);
    QTest::newRow("blanks around") << u" 7 "_s << true << qint64(7);
    QTest::newRow("zero") << u"0"_s << true << qint64(0);
    QTest::newRow("the largest 64 bits hold")
        << u"9223372036854775807"_s << true << qint64(9223372036854775807);
    QTest::newRow("one more") << u"9223372036854775808"_s << false << qint64(0);
    QTest::newRow("plus sign") << u"+3"_s << false << qint64(0);
    QTest::newRow("minus sign") << u"-1"_s << false << qint64(0);
    QTest::newRow("decimal") << u"2.5"_s << false << qint64(0);
    QTest::newRow("empty") << u""_s << false << qint64(0);
}

void TestWholeNumber::takesDigitsOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(qint64, expected);

    const std::optional<qint64> number = digitsOnlyNumber(text);
    QCOMPARE(number.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*number, expected);
}

QTEST_GUILESS_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
