#include "rename/PathKey.h"
#include "rename/SplitPath.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Escaped = QString(QChar(0xDCC3)) + QChar(0xDCA9); // the bytes of é, not read as text
const QString Face = u"\U0001F600"_s;                           // one character, a surrogate pair

} // namespace

Q_DECLARE_METATYPE(SplitPath)

// A path is the text it makes, however the table splits it: the plan's lookups and the run's
// comparisons must agree with the file system, which sees only the whole.
class TestSplitPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void piecesActAsTheWhole_data()
    {
        QTest::addColumn<SplitPath>("split");
        QTest::addColumn<QString>("whole");
        QTest::newRow("folder, name, extension") << SplitPath(u"/d/"_s, u"a"_s, u".txt"_s) << u"/d/a.txt"_s;
        QTest::newRow("the name carries the separator")
            << SplitPath(u"/d"_s, u"/a"_s, u".txt"_s) << u"/d/a.txt"_s;
        QTest::newRow("empty pieces") << SplitPath(u"/d/a"_s, QString(), QString()) << u"/d/a"_s;
        QTest::newRow("bytes that are not text become the text they spell")
            << SplitPath(u"/d/"_s, Escaped, u".txt"_s) << u"/d/é.txt"_s;
        QTest::newRow("a character split between pieces")
            << SplitPath(u"/d/x"_s + Face.front(), QString(Face.back()), u".txt"_s)
            << u"/d/x"_s + Face + u".txt"_s;
        QTest::newRow("a folder of its own") << SplitPath(u"/a/b/"_s) << u"/a/b/"_s;
    }
    void piecesActAsTheWhole()
    {
        QFETCH(SplitPath, split);
        QFETCH(QString, whole);
        const SplitPath one(whole);
        QCOMPARE(split.joined(), whole);
        QVERIFY(split == one);
        QVERIFY(split.equals(whole));
        QCOMPARE(split.hash(), PathKey::hashOf(whole));
        QCOMPARE(split.folderEnd(), whole.lastIndexOf(u'/') + 1);
        QCOMPARE(split.folder(), whole.left(whole.lastIndexOf(u'/') + 1));
        QVERIFY(split.isEncodable());
    }

    void differentPathsDiffer()
    {
        QVERIFY(!(SplitPath(u"/d/"_s, u"a"_s, u".txt"_s) == SplitPath(u"/d/"_s, u"a"_s, u".TXT"_s)));
        QVERIFY(!(SplitPath(u"/d/"_s, u"ab"_s, u".txt"_s) == SplitPath(u"/d/a"_s, u"c"_s, u".txt"_s)));
        QVERIFY(!SplitPath(u"/d/"_s, u"a"_s, QString()).equals(u"/d/b"_s));
        // A lone high surrogate stands for no byte: such a path cannot reach the disk.
        QVERIFY(!SplitPath(u"/d/"_s, QString(QChar(0xD83D)), u".txt"_s).isEncodable());
    }
};

QTEST_GUILESS_MAIN(TestSplitPath)
#include "tst_splitpath.moc"
