#include "facts/CameraName.h"
#include "facts/ExifDateTime.h"
#include "facts/FileFact.h"
#include "facts/LegacyTagText.h"

#include <QTest>

using namespace Qt::StringLiterals;

class FactTextsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fact"); // -1: no such fact
        QTest::newRow("lower case") << u"taken"_s << int(FileFact::Taken);
        QTest::newRow("any case") << u"DuRaTiOn"_s << int(FileFact::Duration);
        QTest::newRow("upper case") << u"MODIFIED"_s << int(FileFact::Modified);
        QTest::newRow("the last of the list") << u"genre"_s << int(FileFact::Genre);
        QTest::newRow("a space before is no name") << u" taken"_s << -1;
        QTest::newRow("a name it does not know") << u"date"_s << -1;
        QTest::newRow("a Chinese name is not one") << u"拍摄时间"_s << -1;
        QTest::newRow("nothing") << QString() << -1;
    }

    void factNames()
    {
        QFETCH(QString, name);
        QFETCH(int, fact);
        const std::optional<FileFact> found = fileFactNamed(name);
        QCOMPARE(found ? int(*found) : -1, fact);
    }

    void exifDates_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QDateTime>("expected"); // invalid: no date
        const QDateTime may1(QDate(2019, 5, 1), QTime(8, 30, 15));
        QTest::newRow("as cameras write it") << QByteArray("2019:05:01 08:30:15") << may1;
        QTest::newRow("dashes from other writers") << QByteArray("2019-05-01 08:30:15") << may1;
        QTest::newRow("a zone after it is left") << QByteArray("2019:05:01 08:30:15+08:00") << may1;
        QTest::newRow("a leap day") << QByteArray("2020:02:29 00:00:00")
                                    << QDateTime(QDate(2020, 2, 29), QTime(0, 0));
        QTest::newRow("a clock never set") << QByteArray("0000:00:00 00:00:00") << QDateTime();
        QTest::newRow("blanks for an unknown date") << QByteArray("    :  :     :  :  ") << QDateTime();
        QTest::newRow("a day that does not exist") << QByteArray("2019:02:30 10:00:00") << QDateTime();
        QTest::newRow("hour 24") << QByteArray("2019:05:01 24:00:00") << QDateTime();
        QTest::newRow("a date without time") << QByteArray("2019:05:01") << QDateTime();
        QTest::newRow("empty") << QByteArray() << QDateTime();
    }

    void exifDates()
    {
        QFETCH(QByteArray, text);
        QFETCH(QDateTime, expected);
        QCOMPARE(exifDateTime(std::string_view(text.constData(), size_t(text.size()))).value_or(QDateTime()),
                 expected);
    }

    void cameraNames_data()
    {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("expected"); // empty: no camera
        QTest::newRow("model repeats the make") << u"Canon"_s << u"Canon EOS 80D"_s << u"Canon EOS 80D"_s;
        QTest::newRow("model repeats the make's first word")
            << u"NIKON CORPORATION"_s << u"NIKON D750"_s << u"NIKON D750"_s;
        QTest::newRow("in another case") << u"SAMSUNG"_s << u"Samsung Galaxy S9"_s << u"Samsung Galaxy S9"_s;
        QTest::newRow("model without the make") << u"Apple"_s << u"iPhone 12"_s << u"Apple iPhone 12"_s;
        QTest::newRow("a model that only starts like the make")
            << u"Canon"_s << u"Canonet QL17"_s << u"Canon Canonet QL17"_s;
        QTest::newRow("padding trimmed") << u"  HUAWEI  "_s << u"ELE-AL00   "_s << u"HUAWEI ELE-AL00"_s;
        QTest::newRow("make only") << u"FUJIFILM"_s << QString() << u"FUJIFILM"_s;
        QTest::newRow("model only") << QString() << u"X-T3"_s << u"X-T3"_s;
        QTest::newRow("blanks only") << u"   "_s << u" "_s << QString();
    }

    void cameraNames()
    {
        QFETCH(QString, make);
        QFETCH(QString, model);
        QFETCH(QString, expected);
        QCOMPARE(cameraName(make, model).value_or(QString()), expected);
    }

    void legacyTagTexts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("GBK from a Chinese tagger") << QByteArray("\xd6\xdc\xbd\xdc\xc2\xd7") << u"周杰伦"_s;
        QTest::newRow("GBK and ASCII") << QByteArray("Jay \xc7\xe7\xcc\xec") << u"Jay 晴天"_s;
        QTest::newRow("Latin-1 that is no GBK") << QByteArray("Caf\xe9") << u"Café"_s;
        QTest::newRow("ASCII") << QByteArray("Yesterday") << u"Yesterday"_s;
        QTest::newRow("ends at a NUL") << QByteArray("Hey\0Jude", 8) << u"Hey"_s;
    }

    void legacyTagTexts()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(legacyTagText(bytes), expected);
    }
};

QTEST_GUILESS_MAIN(FactTextsTest)
#include "tst_facttexts.moc"
