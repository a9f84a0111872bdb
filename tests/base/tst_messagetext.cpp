#include "base/MessageText.h"
#include "base/NativeName.h"

#include <QTest>

using namespace Qt::StringLiterals;

class MessageTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longPathsAreCutInTheirMiddle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qsizetype>("most");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short enough") << u"/照片/春节.jpg"_s << qsizetype(20) << u"/照片/春节.jpg"_s;
        QTest::newRow("start and end kept")
            << u"/home/user/very/long/folder/name.jpg"_s << qsizetype(15) << u"/home/u…ame.jpg"_s;
        QTest::newRow("character outside the basic plane kept whole")
            << u"ab\U0001F600cdefgh\U0001F600ij"_s << qsizetype(8) << u"ab\U0001F600…\U0001F600ij"_s;
        QTest::newRow("bytes that are not text shown before cutting")
            << NativeName::fromBytes("/d/\xE9\xE9\xE9\xE9.txt") << qsizetype(13) << u"/d/\\xE…E9.txt"_s;
    }

    void longPathsAreCutInTheirMiddle()
    {
        QFETCH(QString, path);
        QFETCH(qsizetype, most);
        QFETCH(QString, shown);
        QCOMPARE(MessageText::shownPath(path, most), shown);
    }
};

QTEST_GUILESS_MAIN(MessageTextTest)
#include "tst_messagetext.moc"
