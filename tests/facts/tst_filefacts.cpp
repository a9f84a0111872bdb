#include "MediaFiles.h"

#include "facts/BoundedFileStream.h"
#include "facts/FactCache.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/flacfile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/xiphcomment.h>

#include <sys/stat.h>
#include <thread>

using namespace Qt::StringLiterals;
using namespace MediaFiles;

namespace {

const Exif CanonExif = {
    {"Exif.Photo.DateTimeOriginal", "2019:05:01 08:30:15"},
    {"Exif.Photo.DateTimeDigitized", "2019:05:02 09:00:00"},
    {"Exif.Image.DateTime", "2020:01:01 00:00:00"},
    {"Exif.Image.Make", "Canon"},
    {"Exif.Image.Model", "Canon EOS 80D"},
    {"Exif.Image.Orientation", "6"},
};

QDateTime local(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

QVariant variantOf(const std::optional<FactValue>& value)
{
    if (!value)
        return {};
    return std::visit([](const auto& v) { return QVariant::fromValue(v); }, *value);
}

// JPEG segments of 64 KiB that hold nothing, as large ICC profiles or depth maps do.
QByteArray fillerSegments(int count)
{
    QByteArray segment = QByteArray::fromHex("FFE2FFFF");
    segment += QByteArray(0xFFFF - 2, 'x');
    return segment.repeated(count);
}

} // namespace

class FileFactsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QByteArray path(const QByteArray& name) const { return QFile::encodeName(m_dir.path()) + '/' + name; }
    static constexpr const char* GbkName = "\xd5\xd5\xc6\xac.jpg"; // 照片 in GBK, no UTF-8

    void photo(const QByteArray& name, int width, int height, const Exif& exif)
    {
        QVERIFY(write(path(name), jpeg(width, height)));
        addExif(path(name), exif);
    }

    void makePhotos()
    {
        photo("photo.jpg", 40, 30, CanonExif);
        photo("digitized.jpg", 16, 16,
              {{"Exif.Photo.DateTimeDigitized", "2018:12:31 23:59:59"},
               {"Exif.Image.DateTime", "2020:01:01 00:00:00"}});
        photo("unset.jpg", 16, 16,
              {{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"},
               {"Exif.Image.DateTime", "2017:07:07 07:07:07"},
               {"Exif.Image.Make", "Apple"},
               {"Exif.Image.Model", "iPhone 12"}});
        QVERIFY(write(path("plain.jpg"), jpeg(64, 48)));
        const QByteArray canon = read(path("photo.jpg"));
        QVERIFY(write(path(GbkName), canon));
        QVERIFY(write(path("truncated.jpg"), canon.left(100)));
        QVERIFY(write(path("large header.jpg"), canon.left(2) + fillerSegments(5) + canon.mid(2)));
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        QVERIFY(write(path("noise.jpg"), noise));
    }

    void makeMusic()
    {
        QVERIFY(write(path("song.mp3"), mp3Frames(120)));
        {
            TagLib::MPEG::File mp3(path("song.mp3").constData());
            TagLib::ID3v2::Tag* tag = mp3.ID3v2Tag(true);
            tag->setArtist(TagLib::String("周杰伦", TagLib::String::UTF8));
            tag->setTitle(TagLib::String("晴天", TagLib::String::UTF8));
            tag->setAlbum(TagLib::String("叶惠美", TagLib::String::UTF8));
            tag->setTrack(3);
            tag->setYear(2003);
            tag->setGenre("Pop");
            QVERIFY(mp3.save(TagLib::MPEG::File::ID3v2));
        }
        QVERIFY(write(path("gbk.mp3"), mp3Frames(40)));
        {
            // Bytes of GBK in a Latin-1 field, as Chinese taggers wrote them.
            TagLib::MPEG::File mp3(path("gbk.mp3").constData());
            mp3.ID3v1Tag(true)->setTitle(
                TagLib::String(TagLib::ByteVector("\xc7\xe7\xcc\xec"), TagLib::String::Latin1));
            QVERIFY(mp3.save(TagLib::MPEG::File::ID3v1));
        }
        QVERIFY(write(path("song.flac"), flacStream(5)));
        {
            TagLib::FLAC::File flac(path("song.flac").constData());
            TagLib::Ogg::XiphComment* comment = flac.xiphComment(true);
            comment->setArtist(TagLib::String("王菲", TagLib::String::UTF8));
            comment->setTitle(TagLib::String("红豆", TagLib::String::UTF8));
            comment->setTrack(7);
            comment->setYear(1998);
            QVERIFY(flac.save());
        }
    }

    void makeOthers()
    {
        QVERIFY(write(path("notes.txt"), "你好\n"));
        const qint64 march4 = local(2021, 3, 4, 5, 6, 7).toSecsSinceEpoch();
        const qint64 june1 = local(2022, 6, 1, 12, 0, 0).toSecsSinceEpoch();
        QVERIFY(setTimes(path("notes.txt"), june1, march4));
        QVERIFY(write(path("notes.mp3"), "not music at all\n"));
        QVERIFY(::mkdir(path("album").constData(), 0755) == 0);
        QVERIFY(setTimes(path("album"), june1, march4));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        makePhotos();
        makeMusic();
        makeOthers();
    }

    // QTemporaryDir removes only names that are UTF-8.
    void cleanupTestCase() { ::unlink(path(GbkName).constData()); }

    void facts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QVariant>("expected"); // invalid: the file does not have it

        QTest::newRow("taken from DateTimeOriginal")
            << QByteArray("photo.jpg") << u"taken"_s << QVariant(local(2019, 5, 1, 8, 30, 15));
        QTest::newRow("camera") << QByteArray("photo.jpg") << u"camera"_s << QVariant(u"Canon EOS 80D"_s);
        QTest::newRow("width") << QByteArray("photo.jpg") << u"width"_s << QVariant(40.0);
        QTest::newRow("height") << QByteArray("photo.jpg") << u"Height"_s << QVariant(30.0);
        QTest::newRow("orientation") << QByteArray("photo.jpg") << u"orientation"_s << QVariant(6.0);
        QTest::newRow("a photo has no artist") << QByteArray("photo.jpg") << u"artist"_s << QVariant();
        QTest::newRow("a photo has no duration") << QByteArray("photo.jpg") << u"duration"_s << QVariant();
        QTest::newRow("taken from DateTimeDigitized")
            << QByteArray("digitized.jpg") << u"taken"_s << QVariant(local(2018, 12, 31, 23, 59, 59));
        QTest::newRow("an unset date gives way to DateTime")
            << QByteArray("unset.jpg") << u"taken"_s << QVariant(local(2017, 7, 7, 7, 7, 7));
        QTest::newRow("camera from a make the model lacks")
            << QByteArray("unset.jpg") << u"camera"_s << QVariant(u"Apple iPhone 12"_s);
        QTest::newRow("no EXIF: no time taken") << QByteArray("plain.jpg") << u"taken"_s << QVariant();
        QTest::newRow("no EXIF: no camera") << QByteArray("plain.jpg") << u"camera"_s << QVariant();
        QTest::newRow("no EXIF: no orientation") << QByteArray("plain.jpg") << u"orientation"_s << QVariant();
        QTest::newRow("no EXIF: the width all the same")
            << QByteArray("plain.jpg") << u"width"_s << QVariant(64.0);
        QTest::newRow("a name that is no UTF-8")
            << QByteArray(GbkName) << u"taken"_s << QVariant(local(2019, 5, 1, 8, 30, 15));
        QTest::newRow("metadata past the first 256 KiB")
            << QByteArray("large header.jpg") << u"taken"_s << QVariant(local(2019, 5, 1, 8, 30, 15));
        QTest::newRow("image size past the first 256 KiB")
            << QByteArray("large header.jpg") << u"height"_s << QVariant(30.0);
        QTest::newRow("truncated JPEG: no time taken")
            << QByteArray("truncated.jpg") << u"taken"_s << QVariant();
        QTest::newRow("truncated JPEG: no width") << QByteArray("truncated.jpg") << u"width"_s << QVariant();
        QTest::newRow("truncated JPEG: its size still")
            << QByteArray("truncated.jpg") << u"size"_s << QVariant(100.0);
        QTest::newRow("noise named .jpg: no time taken")
            << QByteArray("noise.jpg") << u"taken"_s << QVariant();
        QTest::newRow("noise named .jpg: no width") << QByteArray("noise.jpg") << u"width"_s << QVariant();

        QTest::newRow("MP3 artist") << QByteArray("song.mp3") << u"artist"_s << QVariant(u"周杰伦"_s);
        QTest::newRow("MP3 title") << QByteArray("song.mp3") << u"title"_s << QVariant(u"晴天"_s);
        QTest::newRow("MP3 album") << QByteArray("song.mp3") << u"album"_s << QVariant(u"叶惠美"_s);
        QTest::newRow("MP3 track") << QByteArray("song.mp3") << u"track"_s << QVariant(3.0);
        QTest::newRow("MP3 year") << QByteArray("song.mp3") << u"year"_s << QVariant(2003.0);
        QTest::newRow("MP3 genre") << QByteArray("song.mp3") << u"genre"_s << QVariant(u"Pop"_s);
        QTest::newRow("MP3 duration, whole seconds")
            << QByteArray("song.mp3") << u"duration"_s << QVariant(3.0);
        QTest::newRow("music has no time taken") << QByteArray("song.mp3") << u"taken"_s << QVariant();
        QTest::newRow("GBK title in ID3v1") << QByteArray("gbk.mp3") << u"title"_s << QVariant(u"晴天"_s);
        QTest::newRow("ID3v1 without an artist") << QByteArray("gbk.mp3") << u"artist"_s << QVariant();
        QTest::newRow("FLAC artist") << QByteArray("song.flac") << u"artist"_s << QVariant(u"王菲"_s);
        QTest::newRow("FLAC title") << QByteArray("song.flac") << u"title"_s << QVariant(u"红豆"_s);
        QTest::newRow("FLAC track") << QByteArray("song.flac") << u"track"_s << QVariant(7.0);
        QTest::newRow("FLAC year") << QByteArray("song.flac") << u"year"_s << QVariant(1998.0);
        QTest::newRow("FLAC without an album") << QByteArray("song.flac") << u"album"_s << QVariant();
        QTest::newRow("FLAC without a genre") << QByteArray("song.flac") << u"genre"_s << QVariant();
        QTest::newRow("FLAC duration") << QByteArray("song.flac") << u"duration"_s << QVariant(5.0);
        QTest::newRow("text named .mp3: no artist") << QByteArray("notes.mp3") << u"artist"_s << QVariant();
        QTest::newRow("text named .mp3: no duration")
            << QByteArray("notes.mp3") << u"duration"_s << QVariant();

        QTest::newRow("modified") << QByteArray("notes.txt") << u"modified"_s
                                  << QVariant(local(2021, 3, 4, 5, 6, 7));
        QTest::newRow("accessed") << QByteArray("notes.txt") << u"accessed"_s
                                  << QVariant(local(2022, 6, 1, 12, 0, 0));
        QTest::newRow("size in bytes") << QByteArray("notes.txt") << u"size"_s << QVariant(7.0);
        QTest::newRow("text has no time taken") << QByteArray("notes.txt") << u"taken"_s << QVariant();
        QTest::newRow("text has no title") << QByteArray("notes.txt") << u"title"_s << QVariant();
        QTest::newRow("a folder's time")
            << QByteArray("album") << u"modified"_s << QVariant(local(2021, 3, 4, 5, 6, 7));
        QTest::newRow("a folder is no photo") << QByteArray("album") << u"width"_s << QVariant();
        QTest::newRow("a folder is no music") << QByteArray("album") << u"title"_s << QVariant();
        QTest::newRow("no such file: no time") << QByteArray("missing.jpg") << u"modified"_s << QVariant();
        QTest::newRow("no such file: no size") << QByteArray("missing.jpg") << u"size"_s << QVariant();
        QTest::newRow("no such file: nothing taken") << QByteArray("missing.jpg") << u"taken"_s << QVariant();
    }

    void facts()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, fact);
        QFETCH(QVariant, expected);
        FactCache cache;
        QCOMPARE(variantOf(cache.value(path(file), *fileFactNamed(fact))), expected);
    }

    void createdIsTheBirthTimeTheFileSystemKeeps()
    {
        FactCache cache;
        const QDateTime birth = QFileInfo(m_dir.filePath(u"notes.txt"_s)).birthTime();
        const QVariant expected = birth.isValid() ? QVariant(birth) : QVariant();
        QCOMPARE(variantOf(cache.value(path("notes.txt"), FileFact::Created)), expected);
    }

    void photoFactsAreReadOnlyWhenAsked()
    {
        FactCache cache;
        cache.value(path("photo.jpg"), FileFact::Modified);
        cache.value(path("photo.jpg"), FileFact::Size);
        QCOMPARE(cache.fileCount(), 0);
        cache.value(path("photo.jpg"), FileFact::Taken);
        cache.value(path("photo.jpg"), FileFact::Camera);
        QCOMPARE(cache.fileCount(), 1);
    }

    void factsAreKeptUntilTheFileChanges()
    {
        const QByteArray file = path("kept.jpg");
        QVERIFY(write(file, read(path("photo.jpg"))));
        const qint64 modified = local(2023, 1, 1, 0, 0, 0).toSecsSinceEpoch();
        QVERIFY(setTimes(file, modified, modified));
        FactCache cache;
        QCOMPARE(variantOf(cache.value(file, FileFact::Taken)), QVariant(local(2019, 5, 1, 8, 30, 15)));

        // Other bytes of the same size with the time set back: the change time still tells.
        QTest::qSleep(20); // file times move in steps of a few milliseconds
        QByteArray bytes = read(file);
        bytes.replace("2019:05:01 08:30:15", "2011:11:11 11:11:11");
        QVERIFY(write(file, bytes));
        QVERIFY(setTimes(file, modified, modified));
        QCOMPARE(variantOf(cache.value(file, FileFact::Taken)), QVariant(local(2011, 11, 11, 11, 11, 11)));

        addExif(file, {{"Exif.Photo.DateTimeOriginal", "2024:02:03 04:05:06"}});
        QCOMPARE(variantOf(cache.value(file, FileFact::Taken)), QVariant(local(2024, 2, 3, 4, 5, 6)));
    }

    void threadsShareOneCache()
    {
        FactCache cache;
        std::atomic<int> wrong = 0;
        auto lookUp = [&] {
            for (int i = 0; i < 50; ++i) {
                cache.clear();
                if (variantOf(cache.value(path("photo.jpg"), FileFact::Width)) != QVariant(40.0))
                    ++wrong;
                if (variantOf(cache.value(path("song.mp3"), FileFact::Title)) != QVariant(u"晴天"_s))
                    ++wrong;
                if (variantOf(cache.value(path("song.flac"), FileFact::Duration)) != QVariant(5.0))
                    ++wrong;
            }
        };
        std::thread first(lookUp), second(lookUp), third(lookUp);
        first.join();
        second.join();
        third.join();
        QCOMPARE(wrong.load(), 0);
    }

    void aStreamStopsAtItsBudget()
    {
        // A budget of three blocks; every read costs one at least.
        BoundedFileStream stream(path("notes.txt"), 3 * 1024, QDeadlineTimer::Forever);
        QVERIFY(stream.isOpen());
        QCOMPARE(stream.length(), 7);
        QCOMPARE(stream.readBlock(3), TagLib::ByteVector("你"));
        QCOMPARE(stream.readBlock(100), TagLib::ByteVector("好\n"));
        QCOMPARE(stream.readBlock(100), TagLib::ByteVector());
        QVERIFY_THROWS_EXCEPTION(BoundedFileStream::BoundReached, stream.readBlock(1));
    }

    void aStreamStopsAtItsDeadline()
    {
        BoundedFileStream stream(path("notes.txt"), 3 * 1024, QDeadlineTimer(0));
        QVERIFY_THROWS_EXCEPTION(BoundedFileStream::BoundReached, stream.readBlock(1));
    }

    void aStreamDoesNotOpenAFolder()
    {
        QVERIFY(!BoundedFileStream(path("album"), 3 * 1024, QDeadlineTimer::Forever).isOpen());
    }
};

QTEST_MAIN(FileFactsTest)
#include "tst_filefacts.moc"
