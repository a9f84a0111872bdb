#include "rules/PathParts.h"

#include <QTest>

class PathPartsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void PathPartsTest::split_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("takesPart");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("dotext");
    QTest::addColumn<QString>("directory");

    const QChar win = u'\\';
    const QChar posix = u'/';
    QTest::newRow("only the last dot starts the extension")
        << QStringLiteral("C:\\docs\\report.final.doc") << win << true << QStringLiteral("report.final")
        << QStringLiteral(".doc") << QStringLiteral("C:\\docs\\");
    QTest::newRow("no dot anywhere gets no row") << QStringLiteral("C:\\docs\\README") << win << false
                                                 << QString() << QString() << QStringLiteral("C:\\docs\\");
    QTest::newRow("name ending in a dot gets no row")
        << QStringLiteral("C:\\docs\\abc.") << win << false << QString() << QString()
        << QStringLiteral("C:\\docs\\");
    QTest::newRow("leading dot leaves an empty base")
        << QStringLiteral("C:\\u\\.profile") << win << true << QString() << QStringLiteral(".profile")
        << QStringLiteral("C:\\u\\");
    QTest::newRow("dot only in a folder name gets no row")
        << QStringLiteral("C:\\rel.1\\Makefile") << win << false << QString() << QString()
        << QStringLiteral("C:\\rel.1\\");
    QTest::newRow("file in a drive root") << QStringLiteral("C:\\a.txt") << win << true << QStringLiteral("a")
                                          << QStringLiteral(".txt") << QStringLiteral("C:\\");
    QTest::newRow("digits stay as typed")
        << QStringLiteral("/data/007.jpg") << posix << true << QStringLiteral("007") << QStringLiteral(".jpg")
        << QStringLiteral("/data/");
    QTest::newRow("Chinese names count characters")
        << QStringLiteral("/照片/二〇二四年.春节.JPEG") << posix << true << QStringLiteral("二〇二四年.春节")
        << QStringLiteral(".JPEG") << QStringLiteral("/照片/");
    QTest::newRow("dotted folder and dotted name on a slash platform")
        << QStringLiteral("/home/u/v1.2/notes.md") << posix << true << QStringLiteral("notes")
        << QStringLiteral(".md") << QStringLiteral("/home/u/v1.2/");
    QTest::newRow("backslash is part of the name where slash separates")
        << QStringLiteral("/tmp/a\\b.txt") << posix << true << QStringLiteral("a\\b")
        << QStringLiteral(".txt") << QStringLiteral("/tmp/");
    QTest::newRow("long extension is kept whole")
        << QStringLiteral("/t/x.torrent") << posix << true << QStringLiteral("x")
        << QStringLiteral(".torrent") << QStringLiteral("/t/");
}

void PathPartsTest::split()
{
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    const PathParts parts = PathParts::split(path, separator);
    QTEST(parts.takesPart, "takesPart");
    QTEST(parts.directory.toString(), "directory");
    if (parts.takesPart) {
        QTEST(parts.base.toString(), "base");
        QTEST(parts.dotext.toString(), "dotext");
    }
}

QTEST_GUILESS_MAIN(PathPartsTest)
#include "tst_pathparts.moc"
