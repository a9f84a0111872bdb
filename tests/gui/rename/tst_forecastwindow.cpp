#include "FileTree.h"
#include "GuiTest.h"
#include "RenameGuiSupport.h"

#include "gui/table/SheetView.h"
#include "table/SheetModel.h"
#include "table/SheetRoles.h"

#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// The rows the next run would refuse, marked in the grid while the names are made.
class ForecastWindowTest : public QObject
{
    Q_OBJECT

    GuiTest m_gui;
    FileTree m_tree;

    QStringList marks(int role = SheetRole::Forecast, int column = Sheet::A)
    {
        QStringList marks;
        for (qsizetype row : m_gui.table().sheet().dataRows())
            marks << m_gui.table().index(int(row - 1), column - 1).data(role).toString();
        return marks;
    }
    QString status() const { return m_gui.field("Text3")->text(); }

private Q_SLOTS:
    void marksFollowEditsModesAndCollections()
    {
        m_tree.write(u"taken.txt"_s, "T");
        collectFiles(m_gui, m_tree, {{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        QCOMPARE(marks(), QStringList(3)); // nothing to foretell before a name is made

        typeNewNames(m_gui, {u"x"_s, u"x"_s});
        QCOMPARE(marks(Qt::ToolTipRole, Sheet::F),
                 (QStringList{u"目标重复"_s, u"目标重复"_s, u"新文件名为空"_s}));
        QVERIFY(status().endsWith(u"将失败:3个"_s));
        typeNewNames(m_gui, {u"taken"_s, u"y"_s, u"c"_s});
        QCOMPARE(marks(), QStringList(3));
        QVERIFY(!status().contains(u"将失败"_s));
        QTRY_COMPARE(marks(), (QStringList{u"目标已存在"_s, u""_s, u""_s}));
        QVERIFY(status().endsWith(u"将失败:1个"_s));
        QCOMPARE(m_gui.cell(2, Sheet::C), u"taken"_s);

        auto* grid = m_gui.control<SheetView>("sp1");
        grid->scrollToBottom();
        grid->scrollToTop();
        QCOMPARE(marks(Qt::ToolTipRole), (QStringList{u"目标已存在"_s, u""_s, u""_s}));

        // Copies need the folder of column G, which the table was not built with.
        m_gui.platform.nextFolders.enqueue(m_tree.path());
        m_gui.click("Option2");
        QTRY_COMPARE(marks(), QStringList(3, u"目录不是完整路径"_s));

        m_gui.platform.nextFiles.enqueue({m_tree.path(u"a.txt"_s)});
        m_gui.click("Command5");
        QCOMPARE(marks(), QStringList(1));
        QVERIFY(!status().contains(u"将失败"_s));
    }

    // The run plans the table itself; afterwards the marks tell of the disk as the run left it.
    void marksAfterARunTellOfTheDiskAsItIs()
    {
        FileTree tree;
        GuiTest gui;
        tree.write(u"taken.txt"_s, "T");
        collectFiles(gui, tree, {{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        typeNewNames(gui, {u"x"_s, u"taken"_s});
        const auto marks = [&] {
            return QStringList{gui.table().index(1, 0).data(Qt::ToolTipRole).toString(),
                               gui.table().index(2, 0).data(Qt::ToolTipRole).toString()};
        };
        QTRY_COMPARE(marks(), (QStringList{u""_s, u"目标已存在"_s}));
        gui.click("Command3");
        QVERIFY(QFile::exists(tree.path(u"x.txt"_s)));
        QTRY_COMPARE(marks(), (QStringList{u"源文件不存在"_s, u"目标已存在"_s}));
    }

    // A table too large to be planned at once is planned a slice at a time while the window
    // goes on: the marks come with the last slice, an edit meanwhile is in them too. Rows that
    // keep their names need no file on disk.
    void largeTableIsPlannedInSlices()
    {
        FileTree tree;
        GuiTest gui;
        Sheet& sheet = gui.table().sheet();
        const qsizetype last = Sheet::rowAtDataIndex(70000);
        {
            Sheet::Batch batch(sheet);
            for (qsizetype row = Sheet::FirstDataRow; row <= last; ++row) {
                for (int column : {Sheet::D, Sheet::E})
                    sheet.setText(row, column, u".txt"_s);
                sheet.setText(row, Sheet::F, tree.folder());
                for (int column : {Sheet::B, Sheet::C})
                    sheet.setText(row, column, u"a"_s + QString::number(row));
            }
            sheet.setText(2, Sheet::C, u"b"_s);
            sheet.setText(last, Sheet::C, u"b"_s);
        }
        QVERIFY(gui.field("Text3")->text().endsWith(u"正在检查…"_s));
        sheet.setText(3, Sheet::C, u"b"_s);
        const auto tip = [&](qsizetype row) {
            return gui.table().index(int(row - 1), 0).data(Qt::ToolTipRole).toString();
        };
        QTRY_VERIFY(gui.field("Text3")->text().endsWith(u"将失败:3个"_s));
        for (qsizetype row : {qsizetype(2), qsizetype(3), last})
            QCOMPARE(tip(row), u"目标重复"_s);
        QCOMPARE(tip(4), u""_s);
    }
};

QTEST_MAIN(ForecastWindowTest)
#include "tst_forecastwindow.moc"
