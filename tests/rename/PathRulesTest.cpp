#include "rename/PathRules.h"

#include <QTest>

using namespace Qt::StringLiterals;

class PathRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("plain name") << u"report.doc"_s << true;
        QTest::newRow("Chinese name with blanks") << u"报告 第一版.doc"_s << true;
        QTest::newRow("name starting with a dot") << u".profile"_s << true;
        QTest::newRow("separator inside") << u"sub/report.doc"_s << false;
        QTest::newRow("separator at the end") << u"report/"_s << false;
        QTest::newRow("the folder itself") << u"."_s << false;
        QTest::newRow("the parent folder") << u".."_s << false;
        QTest::newRow("empty") << u""_s << false;
    }

    void fileName()
    {
        QFETCH(QString, name);
        QFETCH(bool, acceptable);
        QCOMPARE(PathRules::isAcceptableFileName(name), acceptable);
    }

    void fullPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("full");
        QTest::newRow("folder from the root") << u"/home/u/"_s << true;
        QTest::newRow("the root") << u"/"_s << true;
        QTest::newRow("relative folder") << u"out/"_s << false;
        QTest::newRow("dot folder") << u"./out/"_s << false;
        QTest::newRow("empty") << u""_s << false;
    }

    void fullPath()
    {
        QFETCH(QString, path);
        QFETCH(bool, full);
        QCOMPARE(PathRules::isFullPath(path), full);
    }

    void trailingSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder gets one") << u"/data/out"_s << u"/data/out/"_s;
        QTest::newRow("short folder gets one too") << u"/ab"_s << u"/ab/"_s;
        QTest::newRow("folder that has one keeps it") << u"/data/out/"_s << u"/data/out/"_s;
        QTest::newRow("root stays the root") << u"/"_s << u"/"_s;
        QTest::newRow("no folder stays none") << u""_s << u""_s;
    }

    void trailingSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(PathRules::withTrailingSeparator(folder), expected);
    }
};

QTEST_GUILESS_MAIN(PathRulesTest)
#include "PathRulesTest.moc"
