#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "base/NativeName.h"
#include "collect/FileListModel.h"
#include "table/Sheet.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Names that are not UTF-8, as archives from Chinese Windows machines unpack: each row acts on
// the file it was collected from, byte for byte, never on one a lossy decoding confuses it with.
class ExactNamesWindowTest : public WindowTestFixture
{
    Q_OBJECT

private:
    QString path(const QByteArray& relative) const
    {
        return m_tree->path() + u'/' + NativeName::fromBytes(relative);
    }
    QStringList messages() const { return m_gui->platform.messageTexts(); }

private Q_SLOTS:
    void scannedNamesReachTheirOwnFiles_data()
    {
        QTest::addColumn<bool>("copy");
        QTest::newRow("renamed in place") << false;
        QTest::newRow("copied into a folder written without its separator") << true;
    }

    void scannedNamesReachTheirOwnFiles()
    {
        QFETCH(bool, copy);
        tree().makeFolderBytes("in");
        tree().makeFolderBytes("in/sub\xE9");
        tree().makeFolderBytes("out");
        tree().writeBytes("in/b\xE9.txt", "E9");
        tree().writeBytes("in/b\xFF.txt", "FF");
        tree().writeBytes("in/b\xEF\xBF\xBD.txt", "FFFD");
        tree().writeBytes("in/sub\xE9/c.txt", "c");
        if (copy) {
            gui().platform.nextFolders.enqueue(path("out"));
            gui().click("Option2");
        }
        gui().platform.nextFolders.enqueue(path("in"));
        gui().click("Command4");

        QCOMPARE(gui().usedRows(), 5);
        QCOMPARE(gui().shownCell(2, Sheet::B), u"b\\xE9"_s);
        QCOMPARE(gui().shownCell(4, Sheet::B), u"b\uFFFD"_s);
        QVERIFY(gui().shownCell(5, Sheet::F).endsWith(u"/sub\\xE9/"_s));
        typeNewNames(gui(), {u"一"_s, u"二"_s, u"三"_s, u"四"_s});
        if (copy) {
            for (qsizetype row = 2; row <= 5; ++row)
                typeCell(gui(), row, Sheet::G, path("out"));
        }
        gui().click("Command3");

        const QByteArray into = copy ? "out/" : "in/";
        QCOMPARE(tree().readBytes(into + "一.txt"), QByteArray("E9"));
        QCOMPARE(tree().readBytes(into + "二.txt"), QByteArray("FF"));
        QCOMPARE(tree().readBytes(into + "三.txt"), QByteArray("FFFD"));
        QCOMPARE(tree().readBytes(copy ? "out/四.txt" : "in/sub\xE9/四.txt"), QByteArray("c"));
        QCOMPARE(tree().readBytes("in/b\xE9.txt"), copy ? QByteArray("E9") : QByteArray("<missing>"));
    }

    void droppedNameIsTheOneRenamed()
    {
        tree().writeBytes("a\xE9.txt", "E9");
        tree().writeBytes("a\xEF\xBF\xBD.txt", "FFFD");
        const QByteArray bytes = QFile::encodeName(tree().path()) + "/a\xE9.txt";
        gui().drop({QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"))});
        typeNewNames(gui(), {u"修好"_s});
        gui().click("Command3");

        QCOMPARE(tree().readBytes("修好.txt"), QByteArray("E9"));
        QCOMPARE(tree().readBytes("a\xEF\xBF\xBD.txt"), QByteArray("FFFD"));
        QCOMPARE(messages().last(), u"共选择文件:1个 =>共更名文件:1个"_s);
    }

    void dialogNamesAreLookedUpOnDisk()
    {
        tree().writeBytes("c\xE9.txt", "c");
        tree().writeBytes("d\xE9.txt", "d1");
        tree().writeBytes("d\xFF.txt", "d2");
        // Qt's dialog shows every byte that is not text as U+FFFD.
        gui().platform.nextFiles.enqueue({tree().path(u"c\uFFFD.txt"_s), tree().path(u"d\uFFFD.txt"_s)});
        gui().click("Command5");

        QCOMPARE(gui().files().paths(), QStringList{path("c\xE9.txt")});
        QVERIFY(messages().last().startsWith(u"有1个文件的名称含有无法识别的字节"_s));
    }

    void scanSaysWhichFoldersItCouldNotRead()
    {
        // Folders deeper than the longest path the system takes: their files cannot be listed.
        tree().makeFolderBytes("deep");
        tree().writeBytes("deep/a.txt", "a");
        int fd = ::open(QFile::encodeName(tree().path(u"deep"_s)).constData(), O_DIRECTORY);
        const QByteArray part(250, 'x');
        for (int depth = 0; depth < 18 && fd >= 0; ++depth) {
            QCOMPARE(::mkdirat(fd, part.constData(), 0755), 0);
            const int inner = ::openat(fd, part.constData(), O_DIRECTORY);
            ::close(fd);
            fd = inner;
        }
        QVERIFY(fd >= 0);
        ::close(::openat(fd, "lost.txt", O_WRONLY | O_CREAT, 0644));
        ::close(fd);

        gui().platform.nextFolders.enqueue(tree().path(u"deep"_s));
        gui().click("Command4");

        QCOMPARE(gui().files().paths(), QStringList{tree().path(u"deep/a.txt"_s)});
        QVERIFY2(messages().last().startsWith(u"有1个文件夹无法读取，其中的文件未列出\n"_s),
                 qPrintable(messages().last()));
    }
};

QTEST_MAIN(ExactNamesWindowTest)
#include "tst_exactnameswindow.moc"
