#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "collect/FileListModel.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

// The mode switches, the folder picker and the derivation set-up, through the window.
class ModeGuiTest : public WindowTestFixture
{
    Q_OBJECT

private:
    // Data rows of files named a.txt, b.txt ... in the tree, collected through 选择文件.
    void collectFiles(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString name = QString(QChar(u'a' + i)) + u".txt"_s;
            m_tree->write(name, name.toUtf8());
            paths << m_tree->path(name);
        }
        gui().platform.nextFiles << paths;
        gui().click("Command5");
    }

    QStringList row(qsizetype r) const
    {
        QStringList cells;
        for (int column : {Sheet::A, Sheet::B, Sheet::D, Sheet::E, Sheet::F, Sheet::G, Sheet::J})
            cells << m_gui->cell(r, column);
        return cells;
    }

    QStringList enabledControls()
    {
        QStringList names;
        for (const char* name : {"Option1", "Option2", "Option3", "ysq", "yss1", "yss2", "yanshengshu"}) {
            if (gui().control<QWidget>(name)->isEnabled())
                names << QLatin1String(name);
        }
        return names;
    }

private Q_SLOTS:
    void startsInBatchModeRenamingInPlace()
    {
        QVERIFY(gui().checkBox("Check1")->isChecked());
        QVERIFY(!gui().checkBox("Check2")->isChecked());
        QVERIFY(gui().option("Option1")->isChecked());
        QCOMPARE(enabledControls(), (QStringList{u"Option1"_s, u"Option2"_s, u"Option3"_s}));
        QVERIFY(!gui().checkBox("ysq")->isChecked());
        QCOMPARE(gui().targetFolder(), QString());
        QCOMPARE(gui().platform.messages.size(), 0);
    }

    void copyModeAsksForTheTargetFolder_data()
    {
        QTest::addColumn<QStringList>("answers"); // one browser answer per click, "" for cancel
        QTest::addColumn<QString>("target");
        QTest::newRow("a folder gets its separator") << QStringList{u"/data/out"_s} << u"/data/out/"_s;
        QTest::newRow("a short folder gets its separator") << QStringList{u"/ab"_s} << u"/ab/"_s;
        QTest::newRow("the root stays the root") << QStringList{u"/"_s} << u"/"_s;
        QTest::newRow("cancel keeps the folder chosen before, without a second separator")
            << QStringList{u"/data/out"_s, u""_s} << u"/data/out/"_s;
        QTest::newRow("a second click chooses another folder")
            << QStringList{u"/data/out"_s, u"/data/other"_s} << u"/data/other/"_s;
        QTest::newRow("cancel before any choice leaves no folder") << QStringList{u""_s} << QString();
    }

    void copyModeAsksForTheTargetFolder()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, target);
        for (const QString& answer : answers) {
            gui().platform.nextFolders << answer;
            gui().click("Option2");
        }

        QCOMPARE(gui().platform.folderPrompts, QStringList(answers.size(), u"请选择复制改名文件存放目录"_s));
        QCOMPARE(gui().targetFolder(), target);
        QCOMPARE(gui().platform.messages.last().text, target);
        QCOMPARE(gui().platform.messages.last().title, PlatformServices::programTitle());
        QCOMPARE(gui().field("Text1")->text(), target);
        QVERIFY(gui().option("Option2")->isChecked());
    }

    void leavingTheCopyModeClearsTheBatchCount_data()
    {
        QTest::addColumn<QByteArray>("option");
        QTest::newRow("rename in place") << QByteArray("Option1");
        QTest::newRow("distribution") << QByteArray("Option3");
    }

    void leavingTheCopyModeClearsTheBatchCount()
    {
        QFETCH(QByteArray, option);
        gui().click("Option2");
        collectFiles(1);
        QVERIFY(gui().field("yanshengshu")->isEnabled());
        gui().type("yanshengshu", u"3"_s);
        gui().click("ysq");
        QVERIFY(gui().checkBox("ysq")->isChecked());

        gui().click(option.constData());

        QVERIFY(!gui().checkBox("ysq")->isChecked());
        QCOMPARE(enabledControls(), (QStringList{u"Option1"_s, u"Option2"_s, u"Option3"_s}));
    }

    void batchCountRepeatsEverySourceColumn()
    {
        gui().platform.nextFolders << m_tree->path(u"out"_s);
        gui().click("Option2");
        collectFiles(1);
        gui().type("yanshengshu", u"4"_s);
        gui().click("ysq");

        const QString folder = m_tree->folder();
        const QString out = m_tree->folder(u"out"_s);
        QCOMPARE(row(2), (QStringList{u"1"_s, u"a"_s, u".txt"_s, u".txt"_s, folder, out, u"a"_s}));
        QCOMPARE(row(3), (QStringList{u"2"_s, u"a"_s, u".txt"_s, u".txt"_s, folder, out, u"a"_s}));
        QCOMPARE(row(5), (QStringList{u"4"_s, u"a"_s, u".txt"_s, u".txt"_s, folder, out, u"a"_s}));
        QCOMPARE(gui().usedRows(), 5);
    }

    void singleFileDerivationResetsTheTable_data()
    {
        QTest::addColumn<int>("files");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("headers");
        QTest::newRow("five data rows are cleared down to the headers")
            << 5 << QStringList{u"请选择需要衍生的单文件"_s}
            << QStringList{u"序号"_s, u"原文件名"_s, u"新文件名"_s, u"扩展名"_s};
        QTest::newRow("a single data row stays")
            << 1 << QStringList() << QStringList{u"序号"_s, u"原文件名"_s, u"新文件名"_s, u"原扩展名"_s};
    }

    void singleFileDerivationResetsTheTable()
    {
        QFETCH(int, files);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, headers);
        collectFiles(files);
        gui().click("Check2");

        QCOMPARE(gui().files().count(), 0);
        QCOMPARE(gui().platform.messageTexts(), messages);
        QCOMPARE((QStringList{gui().cell(1, Sheet::A), gui().cell(1, Sheet::B), gui().cell(1, Sheet::C),
                              gui().cell(1, Sheet::D)}),
                 headers);
        QCOMPARE(gui().usedRows(), files == 1 ? 2 : 1);
        QVERIFY(!gui().checkBox("Check1")->isChecked());
        QVERIFY(gui().option("yss1")->isChecked());
        QVERIFY(gui().option("Option1")->isChecked()); // disabled, still the selected one
        QCOMPARE(enabledControls(), QStringList{u"yanshengshu"_s});
    }

    void batchModeSwitchesTheDerivationOff()
    {
        gui().click("Check2");
        collectFiles(3);
        gui().platform.messages.clear();
        gui().click("Check1");

        QVERIFY(gui().checkBox("Check1")->isChecked());
        QVERIFY(!gui().checkBox("Check2")->isChecked());
        QCOMPARE(gui().files().count(), 0);
        QCOMPARE(gui().platform.messageTexts(), QStringList{u"请选择需要衍生的单文件"_s});
        QCOMPARE(enabledControls(), (QStringList{u"Option1"_s, u"Option2"_s, u"Option3"_s}));
    }

    void derivationRowsCopyTheFirstRow()
    {
        gui().click("Check2");
        collectFiles(1);
        typeCell(gui(), 2, Sheet::C, u"keep"_s);
        gui().type("yanshengshu", u"3"_s);
        gui().click("Command2");

        const QString folder = m_tree->folder();
        for (qsizetype r = 2; r <= 4; ++r)
            QCOMPARE(row(r), (QStringList{QString::number(r - 1), u"a"_s, u".txt"_s, u".txt"_s, folder,
                                          folder, u"a"_s}));
        QCOMPARE(gui().usedRows(), 4);
        QCOMPARE(gui().cell(2, Sheet::C), u"keep"_s);
        QCOMPARE(enabledControls(), (QStringList{u"yss1"_s, u"yss2"_s, u"yanshengshu"_s}));
    }

    void derivationCountOfZeroWritesNoRow()
    {
        gui().click("Check2");
        collectFiles(1);
        gui().type("yanshengshu", u"0"_s);
        gui().click("Command2");

        QCOMPARE(gui().usedRows(), 2);
        QCOMPARE(gui().cell(2, Sheet::G), QString());
        QCOMPARE(gui().control<QProgressBar>("PBar1")->maximum(), 1);
    }

    void derivationButtonOutsideTheDerivationOnlyEnablesItsOptions()
    {
        collectFiles(1);
        gui().field("yanshengshu")->setText(u"3"_s); // the field is disabled outside the derivation
        gui().click("Command2");

        QCOMPARE(gui().usedRows(), 2);
        QVERIFY(gui().option("yss1")->isEnabled());
        QVERIFY(gui().option("yss2")->isEnabled());
    }

    void otherFolderForTheDerivationFillsColumnG()
    {
        gui().click("Check2");
        collectFiles(1);
        gui().type("yanshengshu", u"2"_s);
        gui().click("Command2");
        gui().platform.nextFolders << m_tree->path(u"out"_s);
        gui().click("yss2");

        const QString out = m_tree->folder(u"out"_s);
        QCOMPARE(gui().platform.folderPrompts, QStringList{u"请选择复制改名文件存放目录"_s});
        QCOMPARE(gui().platform.messageTexts(), QStringList{out});
        QCOMPARE((QStringList{gui().cell(2, Sheet::G), gui().cell(3, Sheet::G)}), (QStringList{out, out}));

        gui().click("Command2"); // builds the rows afresh: beside the file again
        QCOMPARE(gui().cell(3, Sheet::G), m_tree->folder());
    }

    void derivationCountMustBeAWholeNumber_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("message");
        const QString wrong = u"文件衍生数必须是0或正整数"_s;
        QTest::newRow("empty") << QString() << wrong;
        QTest::newRow("not a number") << u"abc"_s << wrong;
        QTest::newRow("negative") << u"-1"_s << wrong;
        QTest::newRow("fraction") << u"2.5"_s << wrong;
        QTest::newRow("number with a tail") << u"3x"_s << wrong;
        QTest::newRow("far too many") << u"1000001"_s << u"文件衍生数不能超过1000000"_s;
    }

    void derivationCountMustBeAWholeNumber()
    {
        QFETCH(QString, count);
        QFETCH(QString, message);
        gui().click("Check2");
        collectFiles(1);
        gui().type("yanshengshu", count);
        gui().click("Command2");

        QCOMPARE(gui().platform.messageTexts(), QStringList{message});
        QCOMPARE(gui().usedRows(), 2);
        QCOMPARE(gui().cell(2, Sheet::G), QString());
        QCOMPARE(enabledControls(), QStringList{u"yanshengshu"_s});
    }

    void batchCountMustBeAWholeNumber()
    {
        gui().click("Option2");
        collectFiles(1);
        gui().platform.messages.clear();
        gui().type("yanshengshu", u"two"_s);
        gui().click("ysq");

        QCOMPARE(gui().platform.messageTexts(), QStringList{u"文件衍生数必须是0或正整数"_s});
        QVERIFY(!gui().checkBox("ysq")->isChecked());
        QCOMPARE(gui().usedRows(), 2);
    }

    void countFieldFollowsTheBatchCountBox()
    {
        QVERIFY(!gui().field("yanshengshu")->isEnabled());
        gui().click("Option2");
        collectFiles(1); // a single file to copy: 文件衍生数 is offered
        QVERIFY(gui().field("yanshengshu")->isEnabled());
        collectFiles(2); // and withdrawn
        QVERIFY(!gui().field("yanshengshu")->isEnabled());

        gui().click("Check2"); // the derivation keeps the field for its own count
        collectFiles(1);
        collectFiles(2);
        QVERIFY(gui().field("yanshengshu")->isEnabled());
    }
};

QTEST_MAIN(ModeGuiTest)
#include "tst_modewindow.moc"
