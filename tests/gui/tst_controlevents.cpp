#include "gui/ControlEvents.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

// The click cascade: handlers run on every change of value, from a click or from code.
class TestControlEvents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkBoxRunsOnEveryChange();
    void optionRunsWhenSelectedAndWhenClickedAgain();
};

void TestControlEvents::checkBoxRunsOnEveryChange()
{
    QCheckBox box(QStringLiteral("box"));
    int runs = 0;
    ControlEvents::onClick(&box, &box, [&runs] { ++runs; });
    box.setChecked(true);
    box.setChecked(true); // no change, no click
    QCOMPARE(runs, 1);
    box.click();
    QCOMPARE(runs, 2);
    QVERIFY(!box.isChecked());
}

void TestControlEvents::optionRunsWhenSelectedAndWhenClickedAgain()
{
    QWidget group;
    auto* first = new QRadioButton(QStringLiteral("first"), &group);
    auto* second = new QRadioButton(QStringLiteral("second"), &group);
    new QVBoxLayout(&group);
    group.layout()->addWidget(first);
    group.layout()->addWidget(second);
    int firstRuns = 0;
    int secondRuns = 0;
    ControlEvents::onClick(first, &group, [&firstRuns] { ++firstRuns; });
    ControlEvents::onClick(second, &group, [&secondRuns] { ++secondRuns; });

    first->setChecked(true);
    QCOMPARE(firstRuns, 1);
    second->click(); // selects second, deselects first: only second runs
    QCOMPARE(secondRuns, 1);
    QCOMPARE(firstRuns, 1);
    second->click(); // already selected: runs again, once
    QCOMPARE(secondRuns, 2);
    first->click();
    QCOMPARE(firstRuns, 2);
    QCOMPARE(secondRuns, 2);
}

QTEST_MAIN(TestControlEvents)
#include "tst_controlevents.moc"
