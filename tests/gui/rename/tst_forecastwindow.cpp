#include "FileTree.h"
#include "GuiTest.h"
#include "RenameGuiSupport.h"

#include "gui/table/SheetView.h"
#include "table/SheetModel.h"
#include "table/SheetRoles.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

// The rows the next run would refuse, marked in the grid while the names are made.
class ForecastWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<GuiTest> m_gui;
    std::unique_ptr<FileTree> m_tree;

    QString tip(qsizetype row, int column = Sheet::B) const
    {
        return m_gui->table().index(int(row - 1), column - 1).data(Qt::ToolTipRole).toString();
    }
    QStringList forecast() const
    {
        QStringList reasons;
        for (qsizetype row : m_gui->table().sheet().dataRows())
            reasons << m_gui->table().index(int(row - 1), 0).data(SheetRole::Forecast).toString();
        return reasons;
    }
    QString status() const { return m_gui->field("Text3")->text(); }

private Q_SLOTS:
    void init()
    {
        m_tree = std::make_unique<FileTree>();
        m_gui = std::make_unique<GuiTest>();
        collectFiles(*m_gui, *m_tree, {{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
    }

    void cleanup()
    {
        m_gui.reset();
        m_tree.reset();
    }

    void marksFollowEachEdit()
    {
        // Nothing to foretell before a name is made.
        QCOMPARE(forecast(), QStringList(3));
        typeNewNames(*m_gui, {u"x"_s, u"x"_s});
        QCOMPARE(forecast(), (QStringList{u"目标重复"_s, u"目标重复"_s, u"新文件名为空"_s}));
        QCOMPARE(tip(3, Sheet::F), u"目标重复"_s);
        QVERIFY(status().endsWith(u"将失败:3个"_s));

        typeNewNames(*m_gui, {u"x"_s, u"y"_s, u"c"_s});
        QCOMPARE(forecast(), QStringList(3));
        QVERIFY(!status().contains(u"将失败"_s));
        QCOMPARE(m_gui->cell(3, Sheet::C), u"y"_s);
    }

    void diskMarksArriveAndSurviveScrolling()
    {
        m_tree->write(u"taken.txt"_s, "T");
        typeNewNames(*m_gui, {u"taken"_s, u"y"_s, u"z"_s});
        QTRY_COMPARE(tip(2), u"目标已存在"_s);
        QVERIFY(status().endsWith(u"将失败:1个"_s));

        auto* grid = m_gui->control<SheetView>("sp1");
        grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
        grid->scrollToTop();
        QCOMPARE(tip(2), u"目标已存在"_s);
    }

    void modeChangeForecastsAgain()
    {
        typeNewNames(*m_gui, {u"x"_s, u"y"_s, u"z"_s});
        QCOMPARE(forecast(), QStringList(3));
        // Copies need the folder of column G, which the table was not built with.
        m_gui->platform.nextFolders.enqueue(m_tree->path());
        m_gui->click("Option2");
        QTRY_COMPARE(forecast(), QStringList(3, u"目录不是完整路径"_s));
        QCOMPARE(m_gui->cell(2, Sheet::G), QString());
    }

    void collectionTakesTheMarksAway()
    {
        typeNewNames(*m_gui, {u"x"_s, u"x"_s, u"x"_s});
        QCOMPARE(forecast(), QStringList(3, u"目标重复"_s));
        m_tree->write(u"d.txt"_s, "D");
        m_gui->platform.nextFiles.enqueue({m_tree->path(u"d.txt"_s)});
        m_gui->click("Command5");
        QCOMPARE(forecast(), QStringList(1));
        QVERIFY(!status().contains(u"将失败"_s));
    }
};

QTEST_MAIN(ForecastWindowTest)
#include "tst_forecastwindow.moc"
