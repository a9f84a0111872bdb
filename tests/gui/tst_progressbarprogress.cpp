#include "gui/ProgressBarProgress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTest>

// Whatever the bar skips to save repaints, it shows the last position once the window gets
// its turn, and ignores what lies outside its range.
class TestProgressBarProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownValue_data();
    void shownValue();
};

void TestProgressBarProgress::shownValue_data()
{
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<QList<qint64>>("values");
    QTest::addColumn<int>("shown");

    QList<qint64> everyRow;
    for (qint64 v = 0; v <= 100000; ++v)
        everyRow << v;
    QTest::newRow("a whole pass ends full") << qint64(100000) << everyRow << 100000;
    QTest::newRow("a second pass starts empty") << qint64(1000) << QList<qint64>{0, 500, 1000, 0} << 0;
    QTest::newRow("a step back is shown") << qint64(1000) << QList<qint64>{0, 900, 10} << 10;
    QTest::newRow("a pass that stops short") << qint64(100000) << everyRow.mid(0, 50001) << 50000;
    QTest::newRow("beyond the maximum is ignored") << qint64(10) << QList<qint64>{0, 10, 11} << 10;
    QTest::newRow("below zero is ignored") << qint64(10) << QList<qint64>{0, 10, -1} << 10;
}

void TestProgressBarProgress::shownValue()
{
    QFETCH(qint64, maximum);
    QFETCH(QList<qint64>, values);
    QFETCH(int, shown);

    QProgressBar bar;
    ProgressBarProgress progress(&bar);
    progress.setMaximum(maximum);
    for (qint64 value : values)
        progress.setValue(value);
    QCoreApplication::processEvents();
    QCOMPARE(bar.value(), shown);
}

QTEST_MAIN(TestProgressBarProgress)
#include "tst_progressbarprogress.moc"
