#include "GuiTest.h"
#include "collect/FileListModel.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestRuleHandlers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rulesFollowTheirBoxes();
    void buttonsApplyEditedTexts();
    void command6WithoutNumberingDoesNothing();
    void compositionReachesTheGridOnce();
    void typingCountsExtractsOnEveryKeystroke();
    void extractionWaitsForItsOption();
    void extractsFromTheRightAndTheMiddle();
    void replacementIsUndoneByTheNextRule();

private:
    void buildTable(const QStringList& paths);
    void setText(const char* field, const QString& text);
    void showAdvancedPanel();

    std::unique_ptr<GuiTest> m_gui;
};

void TestRuleHandlers::init()
{
    m_gui = std::make_unique<GuiTest>();
    buildTable({u"/data/report.doc"_s, u"/data/quarterly_report_2024.xls"_s, u"/data/main.c"_s});
}

void TestRuleHandlers::cleanup()
{
    m_gui.reset();
}

void TestRuleHandlers::buildTable(const QStringList& paths)
{
    m_gui->files().setPaths(paths);
    m_gui->click("Command14");
}

void TestRuleHandlers::setText(const char* field, const QString& text)
{
    m_gui->control<QLineEdit>(field)->setText(text);
}

void TestRuleHandlers::showAdvancedPanel()
{
    m_gui->click("Check4");
    QVERIFY(m_gui->control("leftext")->isVisible());
}

void TestRuleHandlers::rulesFollowTheirBoxes()
{
    GuiTest& gui = *m_gui;
    gui.click("Check3");
    QCOMPARE(gui.cell(2, Sheet::C), u"01report"_s);
    QCOMPARE(gui.cell(4, Sheet::C), u"03main"_s); // main.c: a one-character extension

    gui.click("fengefu");
    QCOMPARE(gui.cell(2, Sheet::C), u"01-report"_s);

    gui.type("qianzhuitxt", u"A"_s);
    gui.click("qianzhui");
    QCOMPARE(gui.cell(3, Sheet::C), u"02-A-quarterly_report_2024"_s);

    setText("riqitxt", u"2026-12-07"_s);
    gui.click("riqi");
    QCOMPARE(gui.cell(2, Sheet::C), u"01-A-report-2026-12-07"_s);

    gui.click("Check3");
    QCOMPARE(gui.cell(2, Sheet::C), u"A-report-2026-12-07"_s);
    QCOMPARE(gui.cell(2, Sheet::K), u""_s);

    gui.click("qianzhui");
    gui.click("riqi");
    QCOMPARE(gui.cell(2, Sheet::C), u"report"_s);

    // A checked rule without a text still brings its separator.
    gui.click("banben");
    QCOMPARE(gui.cell(2, Sheet::C), u"report-"_s);
}

void TestRuleHandlers::buttonsApplyEditedTexts()
{
    GuiTest& gui = *m_gui;
    setText("houzhuitxt", u"终稿"_s);
    gui.click("houzhui");
    gui.click("fengefu");
    QCOMPARE(gui.cell(2, Sheet::C), u"report-终稿"_s);

    gui.type("houzhuitxt", u"定稿"_s);
    gui.type("fengefutxt", u"_"_s);
    QCOMPARE(gui.cell(2, Sheet::C), u"report-终稿"_s);

    gui.click("Command9");
    QCOMPARE(gui.cell(2, Sheet::C), u"report_定稿"_s);

    // The separator cleared: the pieces are joined directly.
    gui.type("fengefutxt", u""_s);
    gui.click("Command7");
    QCOMPARE(gui.cell(2, Sheet::C), u"report定稿"_s);
}

void TestRuleHandlers::command6WithoutNumberingDoesNothing()
{
    GuiTest& gui = *m_gui;
    gui.type("bianhaoqian", u"X"_s);
    gui.click("Command6");
    QCOMPARE(gui.cell(2, Sheet::K), u""_s);
    QCOMPARE(gui.cell(2, Sheet::C), u""_s);

    gui.click("Check3");
    QCOMPARE(gui.cell(2, Sheet::C), u"X01report"_s);
    gui.type("bianhaoqian", u"Y"_s);
    gui.click("Command6");
    QCOMPARE(gui.cell(3, Sheet::K), u"Y02"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"Y02quarterly_report_2024"_s);
}

void TestRuleHandlers::compositionReachesTheGridOnce()
{
    QSignalSpy changed(&m_gui->table(), &QAbstractItemModel::dataChanged);
    m_gui->click("Check3"); // numbering and names
    QCOMPARE(changed.size(), 1);
}

void TestRuleHandlers::typingCountsExtractsOnEveryKeystroke()
{
    GuiTest& gui = *m_gui;
    showAdvancedPanel();
    gui.click("left1");
    QSignalSpy changed(&gui.table(), &QAbstractItemModel::dataChanged);

    auto* leftext = gui.control<QLineEdit>("leftext");
    leftext->setFocus();
    QTest::keyClick(leftext, Qt::Key_1);
    QCOMPARE(gui.cell(3, Sheet::J), u"q"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"q"_s);
    QTest::keyClick(leftext, Qt::Key_2);
    QCOMPARE(gui.cell(3, Sheet::J), u"quarterly_re"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"quarterly_re"_s);
    QCOMPARE(gui.cell(2, Sheet::C), u"report"_s);
    QCOMPARE(changed.size(), 2);
}

void TestRuleHandlers::extractionWaitsForItsOption()
{
    GuiTest& gui = *m_gui;
    showAdvancedPanel();
    gui.type("leftext", u"2"_s);
    QCOMPARE(gui.cell(2, Sheet::J), u"report"_s);
    QCOMPARE(gui.cell(2, Sheet::C), u""_s);

    // Choosing the option alone starts nothing either; the next edit does.
    gui.click("left1");
    QCOMPARE(gui.cell(2, Sheet::J), u"report"_s);
    gui.type("leftext", u"3"_s);
    QCOMPARE(gui.cell(2, Sheet::C), u"rep"_s);

    // A field that is no number keeps the pieces of the last valid count.
    gui.type("leftext", u"x"_s);
    QCOMPARE(gui.cell(2, Sheet::J), u"rep"_s);
    QCOMPARE(gui.cell(2, Sheet::B), u"report"_s);
}

void TestRuleHandlers::extractsFromTheRightAndTheMiddle()
{
    GuiTest& gui = *m_gui;
    showAdvancedPanel();
    gui.click("Check3");
    gui.click("right1");
    gui.type("righttxt", u"4"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"022024"_s);

    gui.click("mid1");
    gui.type("midbegin", u"11"_s);
    QCOMPARE(gui.cell(3, Sheet::J), u"2024"_s);
    gui.type("midend", u"6"_s);
    QCOMPARE(gui.cell(3, Sheet::J), u"report"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"02report"_s);
    QCOMPARE(gui.cell(2, Sheet::C), u"01"_s);
}

void TestRuleHandlers::replacementIsUndoneByTheNextRule()
{
    GuiTest& gui = *m_gui;
    gui.click("Check3");
    gui.type("findtxt", u"report"_s);
    gui.type("reptxt", u"memo"_s);
    gui.click("Command1");
    QCOMPARE(gui.cell(2, Sheet::C), u"01memo"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"02quarterly_memo_2024"_s);
    QCOMPARE(gui.cell(4, Sheet::C), u"03main"_s);

    gui.click("Command7");
    QCOMPARE(gui.cell(2, Sheet::C), u"01report"_s);
    QCOMPARE(gui.cell(3, Sheet::C), u"02quarterly_report_2024"_s);
}

QTEST_MAIN(TestRuleHandlers)
#include "tst_rulehandlers.moc"
