#include "rename/KeptStamp.h"

#include <QTest>

// What the run's record keeps of a stamp tells the very file, untouched, from anything else:
// a change to any one of the size and the two times, or another file under the name.
class KeptStampTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tellsTheUntouchedFileApart_data()
    {
        QTest::addColumn<FileStamp>("now");
        QTest::addColumn<bool>("sameFile");
        QTest::addColumn<bool>("untouched");
        const FileStamp taken{.size = 4096,
                              .modifiedNs = 1'700'000'000'123'456'789,
                              .changedNs = 1'700'000'000'123'456'789,
                              .device = 2049,
                              .inode = 77};
        FileStamp grown = taken, edited = taken, touched = taken, other = taken, elsewhere = taken;
        grown.size += 1;
        edited.modifiedNs += 1;
        touched.changedNs += 1; // written in place, its modification time set back
        other.inode += 1;
        elsewhere.device += 1;
        QTest::newRow("the same file, untouched") << taken << true << true;
        QTest::newRow("a byte longer") << grown << true << false;
        QTest::newRow("modified a nanosecond later") << edited << true << false;
        QTest::newRow("changed, its modification time kept") << touched << true << false;
        QTest::newRow("another file under the name") << other << false << false;
        QTest::newRow("the same inode on another device") << elsewhere << false << false;
    }
    void tellsTheUntouchedFileApart()
    {
        QFETCH(FileStamp, now);
        QFETCH(bool, sameFile);
        QFETCH(bool, untouched);
        const KeptStamp kept(FileStamp{.size = 4096,
                                       .modifiedNs = 1'700'000'000'123'456'789,
                                       .changedNs = 1'700'000'000'123'456'789,
                                       .device = 2049,
                                       .inode = 77});
        QVERIFY(bool(kept));
        QCOMPARE(kept.isSameFile(now), sameFile);
        QCOMPARE(kept.matches(now), untouched);
    }

    void noStampTakenMatchesNothing()
    {
        const KeptStamp none(std::nullopt);
        QVERIFY(!none);
        QVERIFY(!none.matches(FileStamp{}));
    }
};

QTEST_GUILESS_MAIN(KeptStampTest)
#include "tst_keptstamp.moc"
