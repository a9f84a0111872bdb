#include "MediaFiles.h"

#include "facts/FactReader.h"
#include "facts/SheetFileFacts.h"
#include "table/Sheet.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace MediaFiles;

namespace {

qint64 localSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second)).toSecsSinceEpoch();
}

// A sheet that answers FILEINFO from files, with one row laid out as the table lays a file out.
struct FactSheet
{
    Sheet sheet;
    FactReader reader;
    SheetFileFacts facts{sheet, reader};

    FactSheet(const QString& folder, const QString& name)
    {
        sheet.setFileInfoProvider(&facts);
        setFile(folder, name);
    }

    void setFile(const QString& folder, const QString& name)
    {
        const qsizetype dot = name.lastIndexOf(u'.');
        Sheet::Batch batch(sheet);
        sheet.setText(2, Sheet::F, folder);
        sheet.setText(2, Sheet::B, name.left(dot));
        sheet.setText(2, Sheet::D, name.mid(dot));
    }

    // Delivers what the reader answers until no formula waits any more.
    bool settle()
    {
        for (int round = 0; round < 10 && facts.isPending(); ++round) {
            if (!reader.waitUntilIdle(QDeadlineTimer(10000)))
                return false;
            facts.deliver();
        }
        return !facts.isPending();
    }
};

} // namespace

// FILEINFO as the table calculates it, on small files made here.
class SheetFileFactsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString folder() const { return m_dir.path() + u"/holiday/"_s; }
    QByteArray path(const char* name) const { return QFile::encodeName(folder()) + name; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(write(path("photo.jpg"), jpeg(40, 30)));
        addExif(path("photo.jpg"), {{"Exif.Photo.DateTimeOriginal", "2019:05:01 08:30:15"},
                                    {"Exif.Image.Make", "Canon"},
                                    {"Exif.Image.Model", "Canon EOS 80D"},
                                    {"Exif.Image.Orientation", "6"}});
        QVERIFY(write(path("truncated.jpg"), read(path("photo.jpg")).left(100)));
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator(11).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QVERIFY(write(path("noise.jpg"), noise));
        QVERIFY(write(path("song.mp3"), mp3Frames(120)));
        QVERIFY(addTags(path("song.mp3"), {"周杰伦", "晴天", "叶惠美", 3, 2003, "Pop"}));
        QVERIFY(write(path("song.flac"), flacStream(5)));
        QVERIFY(addTags(path("song.flac"), {.artist = "王菲", .title = "红豆"}));
        QVERIFY(write(path("notes.txt"), "你好\n"));
        QVERIFY(setTimes(path("notes.txt"), localSeconds(2022, 6, 1, 12, 0, 0),
                         localSeconds(2021, 3, 4, 5, 6, 7)));
    }

    void values_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("shown");

        QTest::newRow("taken") << u"photo.jpg"_s << u"=TEXT(FILEINFO(\"taken\"),\"yyyymmdd-hhmmss\")"_s
                               << u"20190501-083015"_s;
        QTest::newRow("camera") << u"photo.jpg"_s << u"=FILEINFO(\"camera\")"_s << u"Canon EOS 80D"_s;
        QTest::newRow("pixels, any case")
            << u"photo.jpg"_s << u"=FILEINFO(\"width\")&\"x\"&FILEINFO(\"HEIGHT\")"_s << u"40x30"_s;
        QTest::newRow("orientation") << u"photo.jpg"_s << u"=FILEINFO(\"orientation\")"_s << u"6"_s;
        QTest::newRow("a photo has no artist") << u"photo.jpg"_s << u"=FILEINFO(\"artist\")"_s << u"#N/A"_s;
        QTest::newRow("artist - title")
            << u"song.mp3"_s << u"=FILEINFO(\"artist\")&\" - \"&FILEINFO(\"title\")"_s << u"周杰伦 - 晴天"_s;
        QTest::newRow("MP3 tags")
            << u"song.mp3"_s
            << u"=FILEINFO(\"album\")&\"|\"&FILEINFO(\"track\")&\"|\"&FILEINFO(\"year\")&\"|\"&FILEINFO(\"genre\")"_s
            << u"叶惠美|3|2003|Pop"_s;
        QTest::newRow("MP3 duration") << u"song.mp3"_s << u"=FILEINFO(\"duration\")"_s << u"3"_s;
        QTest::newRow("FLAC") << u"song.flac"_s << u"=FILEINFO(\"artist\")&\" - \"&FILEINFO(\"title\")"_s
                              << u"王菲 - 红豆"_s;
        QTest::newRow("FLAC duration") << u"song.flac"_s << u"=FILEINFO(\"duration\")"_s << u"5"_s;
        QTest::newRow("FLAC without an album") << u"song.flac"_s << u"=FILEINFO(\"album\")"_s << u"#N/A"_s;
        QTest::newRow("modified") << u"notes.txt"_s
                                  << u"=TEXT(FILEINFO(\"modified\"),\"yyyy-mm-dd hh:mm:ss\")"_s
                                  << u"2021-03-04 05:06:07"_s;
        QTest::newRow("accessed") << u"notes.txt"_s << u"=TEXT(FILEINFO(\"accessed\"),\"yyyy-mm-dd hh:mm\")"_s
                                  << u"2022-06-01 12:00"_s;
        QTest::newRow("size") << u"notes.txt"_s << u"=FILEINFO(\"size\")"_s << u"7"_s;
        QTest::newRow("folder") << u"notes.txt"_s << u"=FILEINFO(\"folder\")&\"-001\""_s << u"holiday-001"_s;
        QTest::newRow("text has no time taken") << u"notes.txt"_s << u"=FILEINFO(\"taken\")"_s << u"#N/A"_s;
        QTest::newRow("falls back to the file date")
            << u"notes.txt"_s
            << u"=IFERROR(TEXT(FILEINFO(\"taken\"),\"yyyymmdd\"),TEXT(FILEINFO(\"modified\"),\"yyyymmdd\"))"_s
            << u"20210304"_s;
        QTest::newRow("unknown fact") << u"notes.txt"_s << u"=FILEINFO(\"colour\")"_s << u"#VALUE!"_s;
        QTest::newRow("truncated JPEG") << u"truncated.jpg"_s << u"=FILEINFO(\"taken\")"_s << u"#N/A"_s;
        QTest::newRow("truncated JPEG's size") << u"truncated.jpg"_s << u"=FILEINFO(\"size\")"_s << u"100"_s;
        QTest::newRow("random bytes named .jpg") << u"noise.jpg"_s << u"=FILEINFO(\"width\")"_s << u"#N/A"_s;
        QTest::newRow("no such file") << u"missing.jpg"_s << u"=FILEINFO(\"modified\")"_s << u"#N/A"_s;
        QTest::newRow("full path given")
            << u"notes.txt"_s << u"=FILEINFO(\"width\",F2&\"photo.jpg\")"_s << u"40"_s;
        QTest::newRow("relative path")
            << u"notes.txt"_s << u"=FILEINFO(\"size\",\"notes.txt\")"_s << u"#N/A"_s;
        QTest::newRow("folder of a path")
            << u"notes.txt"_s << u"=FILEINFO(\"folder\",\"/照片/2019/甲.jpg\")"_s << u"2019"_s;
    }

    void values()
    {
        QFETCH(QString, file);
        QFETCH(QString, formula);
        QFETCH(QString, shown);
        FactSheet table(folder(), file);
        QVERIFY(table.sheet.put(2, Sheet::C, formula).stored);
        QVERIFY(table.settle());
        QCOMPARE(table.sheet.text(2, Sheet::C), shown);
    }

    void aFormulaWaitsForItsFactsThenFollowsItsRow()
    {
        FactSheet table(folder(), u"notes.txt"_s);
        table.sheet.put(2, Sheet::C, u"=FILEINFO(\"width\")"_s);
        table.sheet.put(2, Sheet::E, u"=C2&\"px\""_s);
        QCOMPARE(table.sheet.text(2, Sheet::E), u"#GETTING_DATA"_s);
        QVERIFY(table.facts.isPending());
        QVERIFY(table.settle());
        QCOMPARE(table.sheet.text(2, Sheet::E), u"#N/A"_s);

        table.setFile(folder(), u"photo.jpg"_s);
        QVERIFY(table.settle());
        QCOMPARE(table.sheet.text(2, Sheet::E), u"40px"_s);
    }

    void aFactOfTheFileARowNamedBeforeIsNotItsValue()
    {
        FactSheet table(folder(), u"notes.txt"_s);
        table.sheet.put(2, Sheet::C, u"=FILEINFO(\"size\")"_s);
        QVERIFY(table.reader.waitUntilIdle(QDeadlineTimer(10000)));
        table.setFile(folder(), u"truncated.jpg"_s);
        table.facts.deliver();
        QCOMPARE(table.sheet.text(2, Sheet::C), u"#GETTING_DATA"_s);
        QVERIFY(table.settle());
        QCOMPARE(table.sheet.text(2, Sheet::C), u"100"_s);
    }

    void cancelledFactsAreNotAvailable()
    {
        FactSheet table(folder(), u"photo.jpg"_s);
        table.sheet.put(2, Sheet::C, u"=FILEINFO(\"taken\")"_s);
        table.facts.cancel();
        QVERIFY(!table.facts.isPending());
        QCOMPARE(table.sheet.text(2, Sheet::C), u"#N/A"_s);
    }
};

QTEST_GUILESS_MAIN(SheetFileFactsTest)
#include "tst_sheetfilefacts.moc"
