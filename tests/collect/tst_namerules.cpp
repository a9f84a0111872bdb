#include "collect/CollectedFiles.h"
#include "collect/ExtensionFilter.h"
#include "collect/WidestEntries.h"
#include "collect/WildcardPattern.h"

#include <QTest>

class NameRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pattern_data();
    void pattern();
    void extensionFilters_data();
    void extensionFilters();
    void filtersKeepOrderAndDuplicates();
    void widestEntries_data();
    void widestEntries();
};

void NameRulesTest::pattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("extension") << QStringLiteral("*.jpg") << QStringLiteral("a.jpg") << true;
    QTest::newRow("letters without regard to case")
        << QStringLiteral("*.jpg") << QStringLiteral("A.JPG") << true;
    QTest::newRow("pattern in capitals")
        << QStringLiteral("IMG_*.JPG") << QStringLiteral("img_01.jpg") << true;
    QTest::newRow("three letters do not match a longer extension")
        << QStringLiteral("*.xls") << QStringLiteral("a.xlsx") << false;
    QTest::newRow("whole name is compared")
        << QStringLiteral("*.jpg") << QStringLiteral("a.jpg.bak") << false;
    QTest::newRow("*.* matches a name without a dot")
        << QStringLiteral("*.*") << QStringLiteral("README") << true;
    QTest::newRow("*.* matches a dotfile") << QStringLiteral("*.*") << QStringLiteral(".profile") << true;
    QTest::newRow("* matches every name") << QStringLiteral("*") << QStringLiteral("README") << true;
    QTest::newRow(".* needs the dot") << QStringLiteral(".*") << QStringLiteral("a.txt") << false;
    QTest::newRow(".* takes a dotfile") << QStringLiteral(".*") << QStringLiteral(".profile") << true;
    QTest::newRow("trailing .* is optional")
        << QStringLiteral("report.*") << QStringLiteral("report") << true;
    QTest::newRow("trailing .* still needs the stem")
        << QStringLiteral("report.*") << QStringLiteral("reports") << false;
    QTest::newRow("? is exactly one character")
        << QStringLiteral("?.txt") << QStringLiteral("ab.txt") << false;
    QTest::newRow("? takes a Chinese character")
        << QStringLiteral("?.txt") << QStringLiteral("照.txt") << true;
    QTest::newRow("? takes a character outside the basic plane")
        << QStringLiteral("?.txt") << QStringLiteral("\U0001F600.txt") << true;
    QTest::newRow("two ? need two characters")
        << QStringLiteral("??.txt") << QStringLiteral("\U0001F600.txt") << false;
    QTest::newRow("star backtracks") << QStringLiteral("*a*b") << QStringLiteral("xaxxab") << true;
    QTest::newRow("star backtracking fails at the end")
        << QStringLiteral("*a*b") << QStringLiteral("xaxxbc") << false;
    QTest::newRow("Chinese literal text")
        << QStringLiteral("照片*.JPG") << QStringLiteral("照片01.jpg") << true;
    QTest::newRow("non-ASCII case") << QStringLiteral("ä*") << QStringLiteral("Äpfel.txt") << true;
    QTest::newRow("empty pattern matches nothing") << QString() << QStringLiteral("a") << false;
}

void NameRulesTest::pattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QTEST(WildcardPattern(pattern).matches(name), "matches");
}

void NameRulesTest::extensionFilters_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("keptAfterDialog");
    QTest::addColumn<bool>("keptAfterDrop");

    QTest::newRow("three characters") << QStringLiteral("/d/a.txt") << true << true;
    QTest::newRow("four characters") << QStringLiteral("/d/b.jpeg") << true << true;
    QTest::newRow("two characters") << QStringLiteral("/d/c.py") << true << false;
    QTest::newRow("one character") << QStringLiteral("/d/d.c") << true << false;
    QTest::newRow("last of two dots decides") << QStringLiteral("/d/a.tar.gz") << true << false;
    QTest::newRow("five characters") << QStringLiteral("/d/x.backu") << false << false;
    QTest::newRow("six characters") << QStringLiteral("/d/report.backup") << false << false;
    QTest::newRow("no extension") << QStringLiteral("/d/Makefile") << false << false;
    QTest::newRow("name ending in a dot") << QStringLiteral("/d/abc.") << true << false;
    QTest::newRow("dotfile with a long name") << QStringLiteral("/d/.profile") << false << false;
    QTest::newRow("dot in the folder only") << QStringLiteral("/v.1/ab") << false << false;
    QTest::newRow("Chinese extension") << QStringLiteral("/照片/春节.照片档案") << true << true;
    QTest::newRow("pair outside the basic plane counts once")
        << QStringLiteral("/d/x.ab\U0001F600c") << true << true;
}

void NameRulesTest::extensionFilters()
{
    QFETCH(QString, path);
    QStringList afterDialog{path};
    keepShortExtensions(afterDialog, u'/');
    QTEST(!afterDialog.isEmpty(), "keptAfterDialog");
    QStringList afterDrop{path};
    keepDropExtensions(afterDrop, u'/');
    QTEST(!afterDrop.isEmpty(), "keptAfterDrop");
}

void NameRulesTest::filtersKeepOrderAndDuplicates()
{
    QStringList paths{QStringLiteral("C:\\z.doc"), QStringLiteral("C:\\rel.1\\Makefile"),
                      QStringLiteral("C:\\a.py"), QStringLiteral("C:\\z.doc"), QStringLiteral("C:\\b.xlsx")};
    keepDropExtensions(paths, u'\\');
    QCOMPARE(paths, (QStringList{QStringLiteral("C:\\z.doc"), QStringLiteral("C:\\z.doc"),
                                 QStringLiteral("C:\\b.xlsx")}));
}

void NameRulesTest::widestEntries_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<qsizetype>>("widest");

    const QStringList entries{QStringLiteral("aaa"), QStringLiteral("照片照片"), QStringLiteral("bbbbbb"),
                              QStringLiteral("cc"), QStringLiteral("ddddddd")};
    QTest::newRow("wide characters count double") << entries << 2 << QList<qsizetype>{1, 4};
    QTest::newRow("more wanted than there are") << entries << 9 << QList<qsizetype>{1, 4, 2, 0, 3};
    QTest::newRow("none wanted") << entries << 0 << QList<qsizetype>{};
    QTest::newRow("empty list") << QStringList() << 3 << QList<qsizetype>{};
    // Each folder's width counts for every one of its files, and only for them.
    QTest::newRow("folders and names together")
        << QStringList{QStringLiteral("/照片照片/a.jpg"), QStringLiteral("/x/abcdefghijklm.jpg"),
                       QStringLiteral("/照片照片/bb.jpg")}
        << 2 << QList<qsizetype>{1, 2};
}

void NameRulesTest::widestEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(int, count);
    QTEST(::widestEntries(CollectedFiles(entries), count), "widest");
}

QTEST_GUILESS_MAIN(NameRulesTest)
#include "tst_namerules.moc"
