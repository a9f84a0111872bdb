#include "rules/DateText.h"

#include <QTest>

class TestDateText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortDateFitsInAFileName_data();
    void shortDateFitsInAFileName();
};

void TestDateText::shortDateFitsInAFileName_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese short date with slashes")
        << QLocale(QLocale::Chinese, QLocale::China) << "2026-12-7";
    QTest::newRow("German short date keeps its dots")
        << QLocale(QLocale::German, QLocale::Germany) << "07.12.26";
    QTest::newRow("US short date with slashes")
        << QLocale(QLocale::English, QLocale::UnitedStates) << "12-7-26";
}

void TestDateText::shortDateFitsInAFileName()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(dateForFileName(QDate(2026, 12, 7), locale), text);
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_datetext.moc"
