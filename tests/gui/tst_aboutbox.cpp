#include "GuiTest.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuOpensOneModelessBox();
    void closingAndReopeningSetsTheCaptionAgain_data();
    void closingAndReopeningSetsTheCaptionAgain();

private:
    static QList<QDialog*> openBoxes(GuiTest& gui);
    static void chooseAbout(GuiTest& gui);
};

QList<QDialog*> TestAboutBox::openBoxes(GuiTest& gui)
{
    QList<QDialog*> boxes;
    for (QDialog* box : gui.window().findChildren<QDialog*>(QStringLiteral("frmAbout")))
        if (box->isVisible())
            boxes << box;
    return boxes;
}

void TestAboutBox::chooseAbout(GuiTest& gui)
{
    gui.window().menuBar()->findChild<QAction*>(QStringLiteral("about"))->trigger();
}

void TestAboutBox::menuOpensOneModelessBox()
{
    GuiTest gui;
    for (int i = 0; i < 3; ++i)
        chooseAbout(gui);
    const auto boxes = openBoxes(gui);
    QCOMPARE(boxes.size(), 1);
    QDialog* box = boxes.first();
    QVERIFY(!box->isModal());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(box->windowTitle(), QStringLiteral("关于 基于EXCEL功能的批量改名软件1.0"));
    auto* title = box->findChild<QLabel*>(QStringLiteral("lblTitle"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("利用EXCEL功能的批量改名软件-Renvora4.0"));
    QCOMPARE(title->font().pointSize(), 15);
    QVERIFY(!title->font().bold());
    auto* ok = box->findChild<QPushButton*>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("确定"));
    QVERIFY(ok->isDefault());
    QVERIFY(box->findChild<QLabel*>(QStringLiteral("picIcon")));
    QVERIFY(box->findChild<QWidget*>(QStringLiteral("Line1")));
}

void TestAboutBox::closingAndReopeningSetsTheCaptionAgain_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("OK button") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("Enter") << 2;
    QTest::newRow("close button of the window") << 3;
}

void TestAboutBox::closingAndReopeningSetsTheCaptionAgain()
{
    QFETCH(int, how);
    GuiTest gui;
    chooseAbout(gui);
    QDialog* box = openBoxes(gui).value(0);
    QVERIFY(box);
    QPointer<QDialog> watched(box);
    switch (how) {
    case 0:
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    case 2:
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case 3:
        box->close();
        break;
    }
    QTRY_VERIFY(watched.isNull()); // unloaded, not just hidden
    QVERIFY(openBoxes(gui).isEmpty());
    chooseAbout(gui);
    QCOMPARE(openBoxes(gui).size(), 1);
    QCOMPARE(openBoxes(gui).first()->windowTitle(), QStringLiteral("关于 基于EXCEL功能的批量改名软件1.0"));
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
