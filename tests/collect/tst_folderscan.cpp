#include "FileTree.h"
#include "base/TrailingSeparator.h"
#include "collect/DropIntake.h"
#include "collect/FolderScan.h"
#include "collect/WildcardPattern.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList scan(const QString& folder, const QString& pattern)
{
    QStringList found;
    scanFolder(folder, WildcardPattern(pattern), found);
    return found;
}

} // namespace

class FolderScanTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ownFilesFirstThenSubfoldersDepthFirst();
    void patternSelectsFiles_data();
    void patternSelectsFiles();
    void foldersAreNeverListed();
    void linksToFoldersAreNotFollowed();
    void unreadableFolderContributesNothing();
    void folderTooDeepToOpenContributesNothing();
    void chineseNames();
    void separatorIsNotDoubled();
    void missingOrEmptyFolderFindsNothing();
    void dropKeepsFilesThenScansFoldersLastFirst();
    void dropClassifiesByTheFileSystem();
};

void FolderScanTest::ownFilesFirstThenSubfoldersDepthFirst()
{
    FileTree tree;
    tree.files({QStringLiteral("b.jpg"), QStringLiteral("_x.jpg"), QStringLiteral("c.JPG"),
                QStringLiteral("A.jpg"), QStringLiteral("1.jpg"), QStringLiteral("sub2/z.jpg"),
                QStringLiteral("Sub1/y.jpg"), QStringLiteral("Sub1/deeper/x.jpg"),
                QStringLiteral("Sub1/Y.JPG"), QStringLiteral("sub2/a.txt"),
                QStringLiteral("sub3/photo_0001b.jpg"), QStringLiteral("sub3/photo_0001_.jpg"),
                QStringLiteral("sub3/PHOTO_0001A.jpg")});

    // Name order compares letters as capitals, so "_" comes after the letters.
    const QStringList expected = tree.paths({
        QStringLiteral("1.jpg"),
        QStringLiteral("A.jpg"),
        QStringLiteral("b.jpg"),
        QStringLiteral("c.JPG"),
        QStringLiteral("_x.jpg"),
        QStringLiteral("Sub1/Y.JPG"),
        QStringLiteral("Sub1/y.jpg"),
        QStringLiteral("Sub1/deeper/x.jpg"),
        QStringLiteral("sub2/z.jpg"),
        // Long shared beginnings, told apart after them by the same rule.
        QStringLiteral("sub3/PHOTO_0001A.jpg"),
        QStringLiteral("sub3/photo_0001b.jpg"),
        QStringLiteral("sub3/photo_0001_.jpg"),
    });
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")), expected);
    // The same tree gives the same order every time.
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")), expected);
}

void FolderScanTest::patternSelectsFiles_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("every name") << QStringLiteral("*.*")
                                << QStringList{QStringLiteral("a.xls"), QStringLiteral("a.xlsx"),
                                               QStringLiteral("README"), QStringLiteral("s/b.XLS")};
    QTest::newRow("short extension does not find longer ones")
        << QStringLiteral("*.xls") << QStringList{QStringLiteral("a.xls"), QStringLiteral("s/b.XLS")};
    QTest::newRow("question mark") << QStringLiteral("?.xls?") << QStringList{QStringLiteral("a.xlsx")};
    QTest::newRow("nothing matches") << QStringLiteral("*.mp3") << QStringList{};
}

void FolderScanTest::patternSelectsFiles()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    FileTree tree;
    // A copy the program left unfinished is never taken for a file of the user's.
    tree.files({QStringLiteral("a.xls"), QStringLiteral("a.xlsx"), QStringLiteral("README"),
                QStringLiteral("s/b.XLS"), QStringLiteral("s/.renvora-00112233445566ff.part")});
    QCOMPARE(scan(tree.path(), pattern), tree.paths(expected));
}

void FolderScanTest::foldersAreNeverListed()
{
    FileTree tree;
    tree.makeFolder(QStringLiteral("Old"));
    tree.files(
        {QStringLiteral("Old.bak/in.txt"), QStringLiteral("album.jpg/in.jpg"), QStringLiteral("top.jpg")});
    QCOMPARE(scan(tree.path(), QStringLiteral("*.*")),
             tree.paths({QStringLiteral("top.jpg"), QStringLiteral("album.jpg/in.jpg"),
                         QStringLiteral("Old.bak/in.txt")}));
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")),
             tree.paths({QStringLiteral("top.jpg"), QStringLiteral("album.jpg/in.jpg")}));
    // A pipe would block a copy for ever; it is no file to collect.
    QCOMPARE(mkfifo(QFile::encodeName(tree.path(QStringLiteral("pipe.jpg"))).constData(), 0600), 0);
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")).size(), 2);
}

void FolderScanTest::linksToFoldersAreNotFollowed()
{
    FileTree tree;
    tree.files({QStringLiteral("loop/f.jpg"), QStringLiteral("real/g.jpg")});
    if (!tree.link(QStringLiteral("loop/back"), QString()))
        QSKIP("the file system makes no symbolic links");
    QVERIFY(tree.link(QStringLiteral("loop/folder.jpg"), QStringLiteral("real")));
    QVERIFY(tree.link(QStringLiteral("loop/alias.jpg"), QStringLiteral("real/g.jpg")));
    QVERIFY(tree.link(QStringLiteral("loop/gone.jpg"), QStringLiteral("nowhere")));

    const QStringList expected = tree.paths(
        {QStringLiteral("loop/alias.jpg"), QStringLiteral("loop/f.jpg"), QStringLiteral("real/g.jpg")});
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")), expected);
    QCOMPARE(scan(tree.path(), QStringLiteral("*.*")), expected);
}

void FolderScanTest::unreadableFolderContributesNothing()
{
    if (geteuid() == 0)
        QSKIP("permissions do not stop the administrator");
    FileTree tree;
    tree.files({QStringLiteral("a/x.jpg"), QStringLiteral("b/locked.jpg"), QStringLiteral("c/y.jpg")});
    const QByteArray locked = QFile::encodeName(tree.path(QStringLiteral("b")));
    QCOMPARE(chmod(locked.constData(), 0), 0);
    const QStringList found = scan(tree.path(), QStringLiteral("*.jpg"));
    chmod(locked.constData(), 0700);
    QCOMPARE(found, tree.paths({QStringLiteral("a/x.jpg"), QStringLiteral("c/y.jpg")}));
}

// A path longer than the system accepts cannot be opened by anyone, the administrator included.
void FolderScanTest::folderTooDeepToOpenContributesNothing()
{
    FileTree tree;
    tree.files({QStringLiteral("deep/top.jpg"), QStringLiteral("z/ok.jpg")});
    const QByteArray level(250, 'd');
    std::vector<int> chain{open(QFile::encodeName(tree.path(QStringLiteral("deep"))).constData(), O_RDONLY)};
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(mkdirat(chain.back(), level.constData(), 0700), 0);
        chain.push_back(openat(chain.back(), level.constData(), O_RDONLY | O_DIRECTORY));
        QVERIFY(chain.back() >= 0);
    }
    const int bottom = openat(chain.back(), "bottom.jpg", O_CREAT | O_WRONLY, 0600);
    QVERIFY(bottom >= 0);
    close(bottom);

    const QStringList found = scan(tree.path(), QStringLiteral("*.jpg"));

    // The temporary folder cannot remove what lies beyond the path limit: take the chain down.
    unlinkat(chain.back(), "bottom.jpg", 0);
    for (int i = int(chain.size()) - 1; i > 0; --i) {
        close(chain[i]);
        unlinkat(chain[i - 1], level.constData(), AT_REMOVEDIR);
    }
    close(chain.front());
    QCOMPARE(found, tree.paths({QStringLiteral("deep/top.jpg"), QStringLiteral("z/ok.jpg")}));
}

void FolderScanTest::chineseNames()
{
    FileTree tree;
    tree.files({QStringLiteral("照片/春节.JPG"), QStringLiteral("照片/元宵.jpg"),
                QStringLiteral("照片/说明.txt"), QStringLiteral("新建文件夹/图.jpg")});
    QCOMPARE(scan(tree.path(), QStringLiteral("*.jpg")),
             tree.paths({QStringLiteral("新建文件夹/图.jpg"), QStringLiteral("照片/元宵.jpg"),
                         QStringLiteral("照片/春节.JPG")}));
    QCOMPARE(scan(tree.path(QStringLiteral("照片")), QStringLiteral("春*")),
             tree.paths({QStringLiteral("照片/春节.JPG")}));
}

void FolderScanTest::separatorIsNotDoubled()
{
    FileTree tree;
    tree.file(QStringLiteral("s/a.txt"));
    const QString withSeparator = tree.path(QStringLiteral("s")) + QDir::separator();
    QCOMPARE(scan(withSeparator, QStringLiteral("*.txt")), tree.paths({QStringLiteral("s/a.txt")}));
    QCOMPARE(withTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));
    QCOMPARE(withTrailingSeparator(QStringLiteral("/data")), QStringLiteral("/data/"));
}

void FolderScanTest::missingOrEmptyFolderFindsNothing()
{
    FileTree tree;
    tree.file(QStringLiteral("a.txt"));
    QStringList found{QStringLiteral("kept")};
    scanFolder(tree.path(QStringLiteral("gone")), WildcardPattern(QStringLiteral("*.*")), found);
    scanFolder(tree.path(QStringLiteral("a.txt")), WildcardPattern(QStringLiteral("*.*")), found);
    // An empty folder name is no folder, least of all the root of the file system.
    scanFolder(QString(), WildcardPattern(QStringLiteral("*.*")), found);
    QCOMPARE(found, QStringList{QStringLiteral("kept")});
}

void FolderScanTest::dropKeepsFilesThenScansFoldersLastFirst()
{
    FileTree tree;
    tree.files({QStringLiteral("A/1.xls"), QStringLiteral("A/2.doc"), QStringLiteral("B/3.xls"),
                QStringLiteral("B/C/4.xls"), QStringLiteral("c.py"), QStringLiteral("a.txt")});
    const QStringList dropped =
        tree.paths({QStringLiteral("c.py"), QStringLiteral("A"), QStringLiteral("a.txt"), QStringLiteral("B"),
                    QStringLiteral("B/3.xls")});

    QCOMPARE(gatherDrop(dropped, WildcardPattern(QStringLiteral("*.xls"))),
             tree.paths({QStringLiteral("c.py"), QStringLiteral("a.txt"), QStringLiteral("B/3.xls"),
                         QStringLiteral("B/3.xls"), QStringLiteral("B/C/4.xls"), QStringLiteral("A/1.xls")}));
}

void FolderScanTest::dropClassifiesByTheFileSystem()
{
    FileTree tree;
    tree.files(
        {QStringLiteral("backup.old/in.xls"), QStringLiteral("My.Data/d.xls"), QStringLiteral("notes")});
    QStringList dropped = tree.paths({QStringLiteral("notes"), QStringLiteral("backup.old"),
                                      QStringLiteral("My.Data"), QStringLiteral("missing.xls")});
    dropped << QString();
    QCOMPARE(gatherDrop(dropped, WildcardPattern(QStringLiteral("*.xls"))),
             tree.paths({QStringLiteral("notes"), QStringLiteral("missing.xls"),
                         QStringLiteral("My.Data/d.xls"), QStringLiteral("backup.old/in.xls")}));
}

QTEST_GUILESS_MAIN(FolderScanTest)
#include "tst_folderscan.moc"
