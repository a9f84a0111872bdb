#include "GuiTest.h"

#include "collect/FileListModel.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void captions_data();
    void captions();
    void startUpState();
    void startUpFields_data();
    void startUpFields();
    void typePatterns();
    void menuEntries();
    void advancedPanelSwitchesTheWidth();
    void advancedCheckBoxSwitchesTheWidth();
    void choosingATypeEmptiesTheListOnly();
    void typingATypeKeepsTheList();
    void exitEndsTheWindow();
};

void TestMainWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

void TestMainWindow::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    const std::pair<const char*, const char*> captions[] = {
        {"Command5", "选择文件"},
        {"Command4", "选择目录"},
        {"Command17", "清空"},
        {"Label5", "文件可以拖动至此"},
        {"Frame10", "文件类型"},
        {"Label9", "文件类型也可用例如: *.mp3  等形式输入"},
        {"Frame1", "3、改名模式"},
        {"Option1", "同位置改名"},
        {"Option2", "异位置改名"},
        {"Option3", "文件分配器"},
        {"Check1", ""},
        {"ysq", "文件衍生数"},
        {"Frame2", "4、改名规则"},
        {"Command14", "建立规则"},
        {"Frame4", "新文件名规则设置"},
        {"Check3", "自动编号"},
        {"fengefu", "分隔符"},
        {"qianzhui", "文件名前"},
        {"houzhui", "文件名后"},
        {"riqi", "日期"},
        {"banben", "版本"},
        {"Command6", ">>"},
        {"Command7", ">>"},
        {"Command8", ">>"},
        {"Command9", ">>"},
        {"Command10", ">>"},
        {"Command11", ">>"},
        {"Frame6", "高级公式(源文件名为操作对象)"},
        {"Check4", "高级选项"},
        {"left1", "从左开始，取      个字符"},
        {"mid1", "从     个字符始，取     个字符"},
        {"right1", "从右开始，取      个字符"},
        {"Frame5", "新文件名字符替换"},
        {"Label1", "查找内容"},
        {"Label2", "替换为"},
        {"Command1", ">>"},
        {"Frame8", "    单文件衍生数           "},
        {"Check2", ""},
        {"yss1", "同位置衍生"},
        {"yss2", "复制到其他位置衍生"},
        {"Command2", ">>"},
        {"Command3", "开始改名"},
        {"cmdUndo", "撤销改名"},
        {"Command12", "高级选项->>"},
        {"Command13", "<<-高级选项"},
        {"Command15", "导出Excel"},
        {"Command16", "导入"},
    };
    for (const auto& [name, caption] : captions)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
}

void TestMainWindow::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    GuiTest gui;
    QObject* control = gui.window().findChild<QObject*>(name);
    QVERIFY2(control, qPrintable(name));
    const char* property = qobject_cast<QGroupBox*>(control) ? "title" : "text";
    // A mnemonic follows the caption as "(&R)"; the caption itself stays as designed.
    QCOMPARE(
        control->property(property).toString().remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)$"))),
        caption);
}

void TestMainWindow::startUpState()
{
    GuiTest gui;
    QVERIFY(gui.checkBox("Check1")->isChecked());
    QVERIFY(!gui.checkBox("Check2")->isChecked());
    QVERIFY(gui.option("Option1")->isChecked());
    QVERIFY(!gui.option("Option2")->isChecked());
    QVERIFY(!gui.option("Option3")->isChecked());
    QVERIFY(!gui.checkBox("ysq")->isEnabled());
    QVERIFY(!gui.checkBox("ysq")->isChecked());
    QVERIFY(!gui.option("yss1")->isEnabled());
    QVERIFY(!gui.option("yss2")->isEnabled());
    QVERIFY(!gui.field("yanshengshu")->isEnabled());
    for (const char* rule : {"Check3", "fengefu", "qianzhui", "houzhui", "riqi", "banben", "Check4"})
        QVERIFY2(!gui.checkBox(rule)->isChecked(), rule);
    for (const char* piece : {"left1", "mid1", "right1"})
        QVERIFY2(!gui.option(piece)->isChecked(), piece);
    QVERIFY(gui.targetFolder().isEmpty());
    QCOMPARE(gui.files().count(), 0);
    QCOMPARE(gui.usedRows(), 0);
    QVERIFY(gui.control("Command12")->isVisible());
    QVERIFY(!gui.control("Command13")->isVisible());
    QCOMPARE(gui.window().width(), MainWindow::NarrowWidth);
    QVERIFY(gui.control<QProgressBar>("PBar1"));
    QCOMPARE(gui.window().windowTitle(), PlatformServices::programTitle());
}

void TestMainWindow::startUpFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("today's date, fit for a file name") << "riqitxt"
                                                       << "2026-12-7";
    QTest::newRow("separator") << "fengefutxt"
                               << "-";
    QTest::newRow("status line") << "Text3"
                                 << "";
    QTest::newRow("target folder field") << "Text1"
                                         << "Text1";
    for (const char* name : {"bianhaoqian", "qianzhuitxt", "houzhuitxt", "banbentxt", "leftext", "midbegin",
                             "midend", "righttxt", "findtxt", "reptxt", "yanshengshu"})
        QTest::newRow(name) << QString::fromLatin1(name) << "";
}

void TestMainWindow::startUpFields()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    GuiTest gui(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 30)));
    auto* field = gui.window().findChild<QLineEdit*>(name);
    QVERIFY(field);
    QCOMPARE(field->text(), text);
}

void TestMainWindow::typePatterns()
{
    GuiTest gui;
    auto* combo = gui.control<QComboBox>("Combo1");
    QVERIFY(combo->isEditable());
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, (QStringList{"*.xls", "*.doc", "*.pdf", "*.jpg", "*.bmp", "*.*"}));
    QCOMPARE(combo->currentText(), QStringLiteral("*.*"));
}

void TestMainWindow::menuEntries()
{
    GuiTest gui;
    const QList<QAction*> actions = gui.window().menuBar()->actions();
    QCOMPARE(actions.size(), 5);
    const std::tuple<const char*, const char*, bool> expected[] = {
        {"import", "导出到EXCEL", false}, {"help", "帮助", false},
        {"about", "关于", true},          {"dragfile", "文档拖动到菜单区可自动添加->", false},
        {"exit", "退出", true},
    };
    for (int i = 0; i < 5; ++i) {
        const auto& [name, caption, enabled] = expected[i];
        QCOMPARE(actions[i]->objectName(), QString::fromLatin1(name));
        QCOMPARE(actions[i]->text(), QString::fromUtf8(caption));
        QCOMPARE(actions[i]->isEnabled(), enabled);
        QVERIFY(!actions[i]->menu());
    }
}

void TestMainWindow::advancedPanelSwitchesTheWidth()
{
    GuiTest gui;
    QVERIFY(!gui.control("Frame6")->isVisible());
    gui.click("Command12");
    QCOMPARE(gui.window().width(), MainWindow::WideWidth);
    QVERIFY(!gui.control("Command12")->isVisible());
    QVERIFY(gui.control("Command13")->isVisible());
    QVERIFY(gui.control("Frame6")->isVisible());
    QVERIFY(gui.control("Frame5")->isVisible());
    QVERIFY(gui.control("Frame8")->isVisible());
    gui.click("Command13");
    QCOMPARE(gui.window().width(), MainWindow::NarrowWidth);
    QVERIFY(gui.control("Command12")->isVisible());
    QVERIFY(!gui.control("Command13")->isVisible());
    QVERIFY(!gui.control("Frame6")->isVisible());
}

void TestMainWindow::advancedCheckBoxSwitchesTheWidth()
{
    GuiTest gui;
    gui.click("Command12");
    gui.click("Check4");
    QCOMPARE(gui.window().width(), MainWindow::WideWidth);
    gui.click("Check4");
    QCOMPARE(gui.window().width(), MainWindow::NarrowWidth);
    // It changes nothing else: the buttons stay as the last button click left them.
    QVERIFY(gui.control("Command13")->isVisible());
    QVERIFY(!gui.control("Command12")->isVisible());
}

void TestMainWindow::choosingATypeEmptiesTheListOnly()
{
    GuiTest gui;
    auto* combo = gui.control<QComboBox>("Combo1");
    gui.files().setPaths({"/data/a.jpg", "/data/b.jpg"});
    gui.table().sheet().put(2, Sheet::B, "a");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->currentText(), QStringLiteral("*.bmp"));
    QCOMPARE(gui.files().count(), 0);
    QCOMPARE(gui.cell(2, Sheet::B), QStringLiteral("a"));
}

void TestMainWindow::typingATypeKeepsTheList()
{
    GuiTest gui;
    auto* combo = gui.control<QComboBox>("Combo1");
    gui.files().setPaths({"/data/a.mp3"});
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "*.mp3");
    QCOMPARE(combo->currentText(), QStringLiteral("*.mp3"));
    QCOMPARE(gui.files().count(), 1);
}

void TestMainWindow::exitEndsTheWindow()
{
    GuiTest gui;
    gui.window().menuBar()->findChild<QAction*>(QStringLiteral("exit"))->trigger();
    QVERIFY(!gui.window().isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
