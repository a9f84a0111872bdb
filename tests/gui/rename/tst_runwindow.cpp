#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "table/SheetModel.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Entries = QMap<QString, QByteArray>;
using Buttons = PlatformServices::Buttons;

const QString FolderFormWarning = u"请注意:文件分配时候，目录形式要形如：C:\\XX;不能是C:\\XX\\;\r\n"
                                  u"文件退出，请重新检查EXCEL规则表"_s;

} // namespace

// 开始改名 through the window, on real files: each mode, then the disk is checked.
class RunGuiTest : public WindowTestFixture
{
    Q_OBJECT

private:
    QString m_workingFolder;

    // A path that depends on the working folder would land in the tree and show up there.
    void setUp() override
    {
        m_workingFolder = QDir::currentPath();
        QDir::setCurrent(tree().path());
    }
    void tearDown() override { QDir::setCurrent(m_workingFolder); }

    void collect(const Entries& files) { collectFiles(gui(), tree(), files); }

    void newNames(const QStringList& names) { typeNewNames(gui(), names); }

    QString text(const char* field) { return gui().control<QLineEdit>(field)->text(); }
    QStringList messages() const { return m_gui->platform.messageTexts(); }
    QString mark(qsizetype row) const { return m_gui->table().sheet().rowMark(row); }

private Q_SLOTS:
    void renamesInPlace()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.jpg"_s, "C"}});
        newNames({u"x"_s, u"y"_s, u"报告 001"_s});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(),
                 (Entries{{u"x.txt"_s, "A"}, {u"y.txt"_s, "B"}, {u"报告 001.jpg"_s, "C"}}));
        QCOMPARE(text("Text3"), u"共选择文件:3个 =>共更名文件:3个"_s);
        QCOMPARE(text("Text2"), u"批量更名的文件数：3"_s);
        QCOMPARE(messages(), QStringList{u"共选择文件:3个 =>共更名文件:3个"_s});
        QCOMPARE(gui().platform.messages[0].title, PlatformServices::programTitle());
        QCOMPARE(gui().platform.messages[0].buttons, Buttons::Ok);
    }

    void existingNameIsLeftUntouchedAndTheRowReported()
    {
        tree().write(u"taken.txt"_s, "T");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        newNames({u"x"_s, u"taken"_s, u"z"_s});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(),
                 (Entries{{u"x.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"taken.txt"_s, "T"}, {u"z.txt"_s, "C"}}));
        QCOMPARE(text("Text3"), u"共选择文件:3个 =>共更名文件:2个  首个失败:第3行"_s);
        // A screen reader reads the reason on the row's cells.
        QCOMPARE(gui().table().index(2, Sheet::C - 1).data(Qt::AccessibleDescriptionRole).toString(),
                 u"目标已存在"_s);
        QCOMPARE(messages(),
                 QStringList{u"共选择文件:3个 =>共更名文件:2个\n失败:1个\n"_s + tree().path(u"b.txt"_s) +
                             u" -> "_s + tree().path(u"taken.txt"_s) + u"：目标已存在"_s});
        QCOMPARE(mark(2), QString());
        QCOMPARE(mark(3), u"目标已存在"_s);
        QCOMPARE(mark(4), QString());

        gui().click("Command14");
        QCOMPARE(mark(3), QString());
    }

    // The table keeps the folder as collected: a folder renamed since leaves every row without
    // its file, and nothing is renamed anywhere.
    void folderRenamedSinceTheCollectionLosesNothing()
    {
        tree().makeFolder(u"相册"_s);
        collect({{u"相册/a.txt"_s, "A"}, {u"相册/b.txt"_s, "B"}});
        QVERIFY(QDir(tree().path()).rename(u"相册"_s, u"相册2"_s));
        newNames({u"x"_s, u"y"_s});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(),
                 (Entries{{u"相册2/"_s, ""}, {u"相册2/a.txt"_s, "A"}, {u"相册2/b.txt"_s, "B"}}));
        QCOMPARE(mark(2), u"源文件不存在"_s);
        QCOMPARE(mark(3), u"源文件不存在"_s);
    }

    void emptyNewNameAnywhereRefusesTheRun_data()
    {
        QTest::addColumn<qsizetype>("emptyRow");
        QTest::newRow("in the first data row") << qsizetype(2);
        QTest::newRow("in row 60") << qsizetype(60);
        QTest::newRow("in the last row") << qsizetype(66);
    }

    void emptyNewNameAnywhereRefusesTheRun()
    {
        QFETCH(qsizetype, emptyRow);
        Entries files;
        for (int i = 1; i <= 65; ++i)
            files.insert(u"f%1.txt"_s.arg(i, 2, 10, QChar(u'0')), QByteArray::number(i));
        collect(files);
        for (qsizetype r = 2; r <= 66; ++r) {
            if (r != emptyRow)
                typeCell(gui(), r, Sheet::C, u"n%1"_s.arg(r));
        }
        gui().click("Command3");

        QCOMPARE(messages(),
                 QStringList{u"新文件名列没有建立规则（或有单元格为空）！请建立规则后重新开始改名！"_s});
        QCOMPARE(tree().snapshot(), files);
        // The run reports nothing; the status line keeps the forecast of the row it refused.
        QCOMPARE(text("Text3"), u"将失败:1个"_s);
    }

    void newNameWithASeparatorIsRefused()
    {
        tree().makeFolder(u"sub"_s);
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({u"sub/x"_s, u"y"_s});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}, {u"sub/"_s, ""}, {u"y.txt"_s, "B"}}));
        QCOMPARE(messages(),
                 QStringList{u"共选择文件:2个 =>共更名文件:1个\n失败:1个\n"_s + tree().path(u"a.txt"_s) +
                             u" -> "_s + tree().path(u"sub/x.txt"_s) + u"：文件名含有非法字符"_s});
        QCOMPARE(mark(2), u"文件名含有非法字符"_s);
    }

    void rowsLeftAsTheyWereAreCountedApart()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        newNames({u"a"_s, u"b2"_s, u"c"_s});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}, {u"b2.txt"_s, "B"}, {u"c.txt"_s, "C"}}));
        QCOMPARE(messages(), QStringList{u"共选择文件:3个 =>共更名文件:1个\n未改变:2个"_s});
        QCOMPARE(mark(2), QString());
    }

    void caseOnlyRename()
    {
        collect({{u"Photo.JPG"_s, "P"}});
        newNames({u"photo"_s});
        typeCell(gui(), 2, Sheet::E, u".jpg"_s);
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"photo.jpg"_s, "P"}}));
        QCOMPARE(text("Text3"), u"共选择文件:1个 =>共更名文件:1个"_s);
    }

    void copiesIntoTheTargetFolder()
    {
        tree().makeFolder(u"out"_s);
        tree().write(u"out/b2.txt"_s, "OLD");
        gui().platform.nextFolders << tree().path(u"out"_s);
        gui().click("Option2");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        QCOMPARE(gui().cell(2, Sheet::G), tree().folder(u"out"_s));
        newNames({u"a2"_s, u"b2"_s});
        gui().platform.messages.clear();
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"},
                                             {u"b.txt"_s, "B"},
                                             {u"out/"_s, ""},
                                             {u"out/a2.txt"_s, "A"},
                                             {u"out/b2.txt"_s, "OLD"}}));
        QCOMPARE(text("Text3"), u"共选择文件:2个 =>共更名文件:1个  首个失败:第3行"_s);
        QCOMPARE(messages(),
                 QStringList{u"共选择文件:2个 =>共更名文件:1个\n失败:1个\n"_s + tree().path(u"b.txt"_s) +
                             u" -> "_s + tree().path(u"out/b2.txt"_s) + u"：目标已存在"_s});
    }

    void copyWithoutATargetFolderIsRefused()
    {
        gui().click("Option2"); // the browser is cancelled: no target folder
        collect({{u"a.txt"_s, "A"}});
        newNames({u"x"_s});
        gui().platform.messages.clear();
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}}));
        QCOMPARE(messages(), QStringList{u"共选择文件:1个 =>共更名文件:0个\n失败:1个\n"_s +
                                         tree().path(u"a.txt"_s) + u" -> x.txt：目录不是完整路径"_s});
    }

    void distributesIntoCreatedFolders()
    {
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.md"_s, "C"}});
        QCOMPARE(gui().cell(1, Sheet::C), u"分配目录(如C:\\XX\\;C:\\YY\\ 的形式)"_s);
        newNames({tree().path(u"out1"_s), tree().path(u"out2"_s), tree().path(u"out1"_s)});
        typeCell(gui(), 4, Sheet::E, u".txt"_s); // distribution takes the new extension
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"},
                                             {u"b.txt"_s, "B"},
                                             {u"c.md"_s, "C"},
                                             {u"out1/"_s, ""},
                                             {u"out1/a.txt"_s, "A"},
                                             {u"out1/c.txt"_s, "C"},
                                             {u"out2/"_s, ""},
                                             {u"out2/b.txt"_s, "B"}}));
        QCOMPARE(messages(), QStringList{u"共选择文件:3个 =>共分配文件:3个"_s});
    }

    void withNeitherModeOnlyThePrePassRuns()
    {
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}});
        newNames({tree().path(u"out"_s)});
        gui().click("Check1");
        QVERIFY(!gui().checkBox("Check1")->isChecked());
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}, {u"out/"_s, ""}}));
        QCOMPARE(messages(), QStringList());
    }

    void prePassAloneStillTellsItsFailures()
    {
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({tree().path(u"out"_s), u"rel"_s});
        gui().click("Check1");
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"out/"_s, ""}}));
        QCOMPARE(messages(),
                 QStringList{u"失败:1个\n"_s + tree().path(u"b.txt"_s) + u" -> rel：目录不是完整路径"_s});
        QCOMPARE(mark(3), u"目录不是完整路径"_s);
    }

    void folderWrittenWithItsSeparatorIsWarnedAboutOnce_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Entries>("copies");
        QTest::addColumn<QString>("status");
        QTest::newRow("OK goes on, separator not doubled")
            << true << Entries{{u"o1/a.txt"_s, "A"}, {u"o2/b.txt"_s, "B"}, {u"o2/c.txt"_s, "C"}}
            << u"共选择文件:3个 =>共分配文件:3个"_s;
        QTest::newRow("Cancel ends the run")
            << false << Entries{{u"o1/a.txt"_s, "A"}} << u"共选择文件:3个 =>共分配文件:1个"_s;
    }

    void folderWrittenWithItsSeparatorIsWarnedAboutOnce()
    {
        QFETCH(bool, ok);
        QFETCH(Entries, copies);
        QFETCH(QString, status);
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        newNames({tree().path(u"o1"_s), tree().folder(u"o2"_s), tree().folder(u"o2"_s)});
        gui().platform.nextAnswers << (ok ? PlatformServices::Answer::Ok : PlatformServices::Answer::Cancel);
        gui().click("Command3");

        Entries expected{
            {u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}, {u"o1/"_s, ""}, {u"o2/"_s, ""}};
        expected.insert(copies);
        QCOMPARE(tree().snapshot(), expected);
        QCOMPARE(messages(), (QStringList{FolderFormWarning, status}));
        const auto& warning = gui().platform.messages[0];
        QCOMPARE(warning.title, u"XTB"_s);
        QCOMPARE(warning.buttons, Buttons::OkCancel);
        QCOMPARE(warning.icon, PlatformServices::Icon::Critical);
        QCOMPARE(text("Text3"), status);
    }

    void distributionFolderThatCannotBeMadeFailsItsRow()
    {
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({u"rel"_s, tree().path(u"new/sub"_s)});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}}));
        QCOMPARE(messages(),
                 QStringList{u"共选择文件:2个 =>共分配文件:0个\n失败:2个\n"_s + tree().path(u"a.txt"_s) +
                             u" -> rel：目录不是完整路径\n"_s + tree().path(u"b.txt"_s) + u" -> "_s +
                             tree().path(u"new/sub"_s) + u"：目标目录不存在"_s});
        QCOMPARE(mark(2), u"目录不是完整路径"_s);
        QCOMPARE(mark(3), u"目标目录不存在"_s);
    }

    void derivesCopiesBesideTheFile()
    {
        gui().click("Check2");
        collect({{u"a.txt"_s, "A"}});
        gui().type("yanshengshu", u"3"_s);
        gui().click("Command2");
        newNames({u"a-1"_s, u"a-2"_s, u"a-3"_s});
        typeCell(gui(), 3, Sheet::G, u"/elsewhere/"_s);
        gui().click("Command3");

        QCOMPARE(tree().snapshot(),
                 (Entries{{u"a.txt"_s, "A"}, {u"a-1.txt"_s, "A"}, {u"a-2.txt"_s, "A"}, {u"a-3.txt"_s, "A"}}));
        QCOMPARE(messages(), QStringList{u"成功衍生文件3个"_s});
        QCOMPARE(gui().cell(3, Sheet::G), tree().folder());
    }

    void derivesCopiesIntoAnotherFolder()
    {
        tree().makeFolder(u"out"_s);
        gui().click("Check2");
        collect({{u"a.txt"_s, "A"}});
        gui().type("yanshengshu", u"2"_s);
        gui().click("Command2");
        gui().platform.nextFolders << tree().path(u"out"_s);
        gui().click("yss2");
        newNames({u"k1"_s, u"k2"_s});
        gui().platform.messages.clear();
        gui().click("Command3");

        QCOMPARE(
            tree().snapshot(),
            (Entries{{u"a.txt"_s, "A"}, {u"out/"_s, ""}, {u"out/k1.txt"_s, "A"}, {u"out/k2.txt"_s, "A"}}));
        QCOMPARE(messages(), QStringList{u"成功衍生文件2个"_s});
        QCOMPARE(text("Text1"), tree().folder(u"out"_s));
    }

    void batchDerivationCountMakesWorkingCopies()
    {
        tree().makeFolder(u"out"_s);
        gui().platform.nextFolders << tree().path(u"out"_s);
        gui().click("Option2");
        // A single file collected in this mode is offered 文件衍生数.
        tree().write(u"a.txt"_s, "A");
        gui().platform.nextFiles << QStringList{tree().path(u"a.txt"_s)};
        gui().click("Command5");
        gui().type("yanshengshu", u"3"_s);
        gui().click("ysq");
        newNames({u"v1"_s, u"v2"_s, u"v3"_s});
        gui().platform.messages.clear();
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"},
                                             {u"out/"_s, ""},
                                             {u"out/v1.txt"_s, "A"},
                                             {u"out/v2.txt"_s, "A"},
                                             {u"out/v3.txt"_s, "A"}}));
        QCOMPARE(messages(), QStringList{u"共选择文件:3个 =>共更名文件:3个"_s});
    }

    void tableWithOnlyItsHeaderRenamesNothing()
    {
        tree().write(u"a.txt"_s, "A");
        loadTable(gui(), {});
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}}));
        QCOMPARE(messages(), QStringList{u"共选择文件:0个 =>共更名文件:0个"_s});
    }
};

QTEST_MAIN(RunGuiTest)
#include "tst_runwindow.moc"
