#include "collect/CollectedFiles.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The collection keeps folders once and names in pieces: every path must come back exactly as
// it was collected, in its place, whatever its name holds.
class TestCollectedFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathsComeBackExactly_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("extensions");
        const QString rawBytes = u"/gbk/"_s + QChar(0xDCC4) + QChar(0xDCE3) + u".txt"_s; // not UTF-8
        QTest::newRow("folders in turns, duplicates kept")
            << QStringList{u"/a/1.jpg"_s, u"/b/2.JPG"_s, u"/a/1.jpg"_s, u"/a/sub/3.pdf"_s}
            << QStringList{u".jpg"_s, u".JPG"_s, u".jpg"_s, u".pdf"_s};
        QTest::newRow("names without an extension")
            << QStringList{u"/a/README"_s, u"/a/end."_s, u"/a.d/noext"_s, u"/a/.hidden"_s}
            << QStringList{QString(), QString(), QString(), u".hidden"_s};
        QTest::newRow("a name that is not UTF-8") << QStringList{rawBytes} << QStringList{u".txt"_s};
        QTest::newRow("outside the basic plane")
            << QStringList{u"/照片/\U0001F600.heic"_s} << QStringList{u".heic"_s};
        // Past the few extensions looked through one by one, the others are found by hash.
        QStringList turns, turnExtensions;
        for (int i = 0; i < 40; ++i) {
            turnExtensions << u".e%1"_s.arg(i % 13);
            turns << u"/a/%1"_s.arg(i) + turnExtensions.back();
        }
        QTest::newRow("more extensions than a handful, in turns") << turns << turnExtensions;
    }
    void pathsComeBackExactly()
    {
        QFETCH(QStringList, paths);
        QFETCH(QStringList, extensions);
        const CollectedFiles files(paths);
        QCOMPARE(files.paths(), paths);
        for (qsizetype i = 0; i < files.size(); ++i) {
            QCOMPARE(files.extension(i), extensions[i]);
            QVERIFY(files.folder(i).endsWith(u'/'));
        }
    }

    // A scan hands the files over folder by folder: the same files as their whole paths give.
    void filesAddedByFolder()
    {
        const QString raw = QString(QChar(0xDCC4)) + QChar(0xDCE3); // not UTF-8
        CollectedFiles byFolder;
        byFolder.appendFolder(u"/a/"_s, std::vector{u"1.jpg"_s, u"README"_s});
        byFolder.appendFolder(u"/a/empty/"_s, std::vector<QString>{});
        byFolder.appendFolder(u"/a/"_s + raw + u'/', std::vector{raw + u".txt"_s, u"end."_s});
        byFolder.appendFolder(u"/b/"_s, std::vector{u"2.JPG"_s});
        const QStringList paths{u"/a/1.jpg"_s, u"/a/README"_s, u"/a/"_s + raw + u'/' + raw + u".txt"_s,
                                u"/a/"_s + raw + u"/end."_s, u"/b/2.JPG"_s};
        const CollectedFiles byPath(paths);
        QCOMPARE(byFolder.paths(), paths);
        for (qsizetype i = 0; i < byPath.size(); ++i) {
            QCOMPARE(byFolder.folder(i), byPath.folder(i));
            QCOMPARE(byFolder.base(i), byPath.base(i));
            QCOMPARE(byFolder.extension(i), byPath.extension(i));
        }
    }
};

QTEST_GUILESS_MAIN(TestCollectedFiles)
#include "tst_collectedfiles.moc"
