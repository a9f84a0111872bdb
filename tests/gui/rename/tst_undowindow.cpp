#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "table/SheetModel.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using Entries = QMap<QString, QByteArray>;

// Files 01.jpg..10.jpg holding their own numbers.
Entries numberedFiles(int first, int last, int contentOffset = 0)
{
    Entries files;
    for (int i = first; i <= last; ++i)
        files.insert(u"%1.jpg"_s.arg(i, 2, 10, QChar(u'0')), QByteArray::number(i - contentOffset));
    return files;
}

} // namespace

// Renames that wait for one another, and 撤销改名, through the window on real files.
class UndoWindowTest : public WindowTestFixture
{
    Q_OBJECT

private:
    QPushButton* undoButton() { return gui().control<QPushButton>("cmdUndo"); }

    void collect(const Entries& files) { collectFiles(gui(), tree(), files); }

    void newNames(const QStringList& names) { typeNewNames(gui(), names); }

    // Collects a.txt and runs it to b.txt: a run that changed the disk.
    void renameOneFile()
    {
        collect({{u"a.txt"_s, "A"}});
        newNames({u"b"_s});
        gui().click("Command3");
        QVERIFY(undoButton()->isEnabled());
    }

    QString lastMessage() const
    {
        return m_gui->platform.messageTexts().value(m_gui->platform.messages.size() - 1);
    }
    QString path(const QString& relative) { return tree().path(relative); }

private Q_SLOTS:
    void newNamesHeldByOtherRowsAreTakenInTurn_data()
    {
        QTest::addColumn<Entries>("files");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<Entries>("expected");
        QTest::addColumn<QString>("message"); // {} stands for the tree's folder

        QStringList shifted;
        for (int i = 2; i <= 11; ++i)
            shifted << u"%1"_s.arg(i, 2, 10, QChar(u'0'));
        QTest::newRow("shift 01..10 to 02..11") << numberedFiles(1, 10) << shifted << numberedFiles(2, 11, 1)
                                                << u"共选择文件:10个 =>共更名文件:10个"_s;
        QTest::newRow("two files swap their names")
            << Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}} << QStringList{u"b"_s, u"a"_s}
            << Entries{{u"a.txt"_s, "B"}, {u"b.txt"_s, "A"}} << u"共选择文件:2个 =>共更名文件:2个"_s;
        QTest::newRow("three files in a cycle")
            << Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}}
            << QStringList{u"b"_s, u"c"_s, u"a"_s}
            << Entries{{u"a.txt"_s, "C"}, {u"b.txt"_s, "A"}, {u"c.txt"_s, "B"}}
            << u"共选择文件:3个 =>共更名文件:3个"_s;
        QTest::newRow("a chain among unrelated rows")
            << Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"m.txt"_s, "M"}, {u"n.txt"_s, "N"}}
            << QStringList{u"b"_s, u"c"_s, u"m"_s, u"z"_s}
            << Entries{{u"b.txt"_s, "A"}, {u"c.txt"_s, "B"}, {u"m.txt"_s, "M"}, {u"z.txt"_s, "N"}}
            << u"共选择文件:4个 =>共更名文件:3个\n未改变:1个"_s;
        QTest::newRow("rows asking for one new name: none of them acts")
            << Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}}
            << QStringList{u"x"_s, u"x"_s, u"d"_s}
            << Entries{{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"d.txt"_s, "C"}}
            << u"共选择文件:3个 =>共更名文件:1个\n失败:2个\n{}/a.txt -> {}/x.txt：目标重复\n"
               u"{}/b.txt -> {}/x.txt：目标重复"_s;
    }

    void newNamesHeldByOtherRowsAreTakenInTurn()
    {
        QFETCH(Entries, files);
        QFETCH(QStringList, names);
        QFETCH(Entries, expected);
        QFETCH(QString, message);
        collect(files);
        newNames(names);
        gui().click("Command3");

        QCOMPARE(tree().snapshot(), expected);
        QCOMPARE(gui().platform.messageTexts(), QStringList{message.replace(u"{}"_s, tree().path())});
    }

    void undoOfARenameRunPutsBackEveryOldName()
    {
        const Entries before = numberedFiles(1, 10);
        collect(before);
        for (int r = 2; r <= 11; ++r)
            typeCell(gui(), r, Sheet::C, u"%1"_s.arg(r, 2, 10, QChar(u'0')));
        gui().click("Command3");
        QCOMPARE(tree().snapshot(), numberedFiles(2, 11, 1));

        gui().click("cmdUndo");

        QCOMPARE(tree().snapshot(), before);
        QCOMPARE(lastMessage(), u"已撤销:10个"_s);
        QCOMPARE(gui().control<QLineEdit>("Text3")->text(), u"已撤销:10个"_s);
        QVERIFY(!undoButton()->isEnabled());
    }

    void undoOfACopyRunKeepsAnEditedCopy()
    {
        tree().makeFolder(u"out"_s);
        gui().platform.nextFolders << tree().path(u"out"_s);
        gui().click("Option2");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({u"a2"_s, u"b2"_s});
        gui().click("Command3");
        tree().write(u"out/b2.txt"_s, "B, edited since");

        gui().click("cmdUndo");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"},
                                             {u"b.txt"_s, "B"},
                                             {u"out/"_s, ""},
                                             {u"out/b2.txt"_s, "B, edited since"}}));
        QCOMPARE(lastMessage(),
                 u"已撤销:1个\n失败:1个\n"_s + path(u"out/b2.txt"_s) + u"：文件已被修改，未删除"_s);
        QCOMPARE(gui().table().sheet().rowMark(3), u"文件已被修改，未删除"_s);
    }

    void undoOfADistributionKeepsAFolderThatIsNotEmpty()
    {
        gui().click("Option3");
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({path(u"out1"_s), path(u"out2"_s)});
        gui().click("Command3");
        tree().write(u"out2/notes.txt"_s, "the user's");

        gui().click("cmdUndo");

        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"},
                                             {u"b.txt"_s, "B"},
                                             {u"out2/"_s, ""},
                                             {u"out2/notes.txt"_s, "the user's"}}));
        QCOMPARE(lastMessage(), u"已撤销:3个\n失败:1个\n"_s + path(u"out2"_s) + u"：目录不为空，未删除"_s);
    }

    void undoIsOfferedFromARunThatChangedTheDisk()
    {
        QVERIFY(!undoButton()->isEnabled());
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        newNames({u"a"_s, u"b"_s});
        gui().click("Command3");
        QVERIFY(!undoButton()->isEnabled()); // nothing changed

        newNames({u"x"_s, u"y"_s});
        gui().click("Command3");
        QVERIFY(undoButton()->isEnabled());
        // A run refused before it starts leaves the last run's undo as it was.
        typeCell(gui(), 2, Sheet::C, QString());
        gui().click("Command3");
        QVERIFY(undoButton()->isEnabled());
        QCOMPARE(tree().snapshot(), (Entries{{u"x.txt"_s, "A"}, {u"y.txt"_s, "B"}}));
    }

    // Run again over the same table, every row fails (its file has its new name already); the
    // first run's record still undoes it.
    void aRunThatChangesNothingKeepsTheUndoBeforeIt()
    {
        renameOneFile();
        gui().click("Command3");
        QVERIFY(lastMessage().contains(u"源文件不存在"_s));
        QVERIFY(undoButton()->isEnabled());
        gui().click("cmdUndo");
        QCOMPARE(tree().snapshot(), (Entries{{u"a.txt"_s, "A"}}));
    }

    void undoOfManyFilesAsksFirst_data()
    {
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("going on") << true;
        QTest::newRow("cancelled") << false;
    }

    void undoOfManyFilesAsksFirst()
    {
        QFETCH(bool, goesOn);
        const Entries before = numberedFiles(1, 1001);
        collect(before);
        QStringList names;
        for (int i = 1; i <= 1001; ++i)
            names << u"n%1"_s.arg(i);
        newNames(names);
        gui().click("Command3");
        const Entries renamed = tree().snapshot();
        const qsizetype told = gui().platform.messages.size();

        gui().platform.nextAnswers << (goesOn ? PlatformServices::Answer::Ok
                                              : PlatformServices::Answer::Cancel);
        gui().click("cmdUndo");

        QCOMPARE(gui().platform.messageTexts().value(told), u"将撤销1001个文件的改名，是否继续？"_s);
        QCOMPARE(tree().snapshot(), goesOn ? before : renamed);
        QCOMPARE(undoButton()->isEnabled(), !goesOn);
    }

    void nextCollectionOrRunEndsTheOffer_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("选择目录") << u"Command4"_s;
        QTest::newRow("选择文件") << u"Command5"_s;
        QTest::newRow("a drop") << u"drop"_s;
        QTest::newRow("the undo itself") << u"cmdUndo"_s;
    }

    void nextCollectionOrRunEndsTheOffer()
    {
        QFETCH(QString, action);
        renameOneFile();

        if (action == u"drop"_s) {
            gui().drop({QUrl::fromLocalFile(path(u"b.txt"_s))});
        } else {
            gui().platform.nextFolders << tree().path();
            gui().platform.nextFiles << QStringList{path(u"b.txt"_s)};
            gui().click(action.toLatin1().constData());
        }

        QVERIFY(!undoButton()->isEnabled());
        gui().click("cmdUndo");
        const Entries expected =
            action == u"cmdUndo"_s ? Entries{{u"a.txt"_s, "A"}} : Entries{{u"b.txt"_s, "A"}};
        QCOMPARE(tree().snapshot(), expected);
    }
};

QTEST_MAIN(UndoWindowTest)
#include "tst_undowindow.moc"
