#include "formula/DateSerial.h"

#include <QTest>

class TestDateSerial : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void convertsBothWays_data();
    void convertsBothWays();
    void refusesSerialsNoDateHas();
    void readsTheOldCalendarsDays();
};

void TestDateSerial::convertsBothWays_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("serial");

    QTest::newRow("a date at midnight") << QDateTime(QDate(2026, 12, 8), QTime(0, 0)) << 46364.0;
    QTest::newRow("evening is three quarters") << QDateTime(QDate(2026, 12, 8), QTime(18, 0)) << 46364.75;
    QTest::newRow("to the millisecond")
        << QDateTime(QDate(2024, 2, 29), QTime(12, 0, 0, 500)) << 45351.5 + 0.5 / 86400;
    QTest::newRow("first day after the false leap day") << QDateTime(QDate(1900, 3, 1), QTime(0, 0)) << 61.0;
    QTest::newRow("first day of 1900") << QDateTime(QDate(1900, 1, 1), QTime(6, 0)) << 1.25;
    QTest::newRow("last day") << QDateTime(QDate(9999, 12, 31), QTime(0, 0)) << 2958465.0;
}

void TestDateSerial::convertsBothWays()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, serial);

    QCOMPARE(serialFromDateTime(dateTime), serial);
    QCOMPARE(dateTimeFromSerial(serial), dateTime);
}

void TestDateSerial::refusesSerialsNoDateHas()
{
    QVERIFY(!dateTimeFromSerial(0.5).isValid());
    QVERIFY(!dateTimeFromSerial(-1).isValid());
    QVERIFY(!dateTimeFromSerial(2958466).isValid());
    QVERIFY(!serialParts(-0.5));
}

// Spreadsheets count a 1900-02-29 and call serial 0 1900-01-00; formats and YEAR, MONTH, DAY
// read them so.
void TestDateSerial::readsTheOldCalendarsDays()
{
    const SerialParts leapDay = *serialParts(60);
    QCOMPARE(QList<int>({leapDay.year, leapDay.month, leapDay.day}), QList<int>({1900, 2, 29}));
    const SerialParts dayZero = *serialParts(0);
    QCOMPARE(QList<int>({dayZero.year, dayZero.month, dayZero.day}), QList<int>({1900, 1, 0}));
    const SerialParts roundedUp = *serialParts(46364 + (86399.6 / 86400));
    QCOMPARE(QList<int>({roundedUp.day, roundedUp.hour, roundedUp.second}), QList<int>({9, 0, 0}));
}

QTEST_GUILESS_MAIN(TestDateSerial)
#include "tst_dateserial.moc"
