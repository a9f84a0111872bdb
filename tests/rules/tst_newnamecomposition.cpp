#include "base/Progress.h"
#include "rules/NewNameComposition.h"
#include "rules/Numbering.h"
#include "rules/RuleValues.h"
#include "table/Sheet.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A table as the build leaves it: base names in J, extensions in D, nothing in C or K.
void fillTable(Sheet& sheet, const QStringList& names, const QString& extension = u".doc"_s)
{
    sheet.setText(1, Sheet::A, u"序号"_s);
    for (qsizetype i = 0; i < names.size(); ++i) {
        sheet.setNumber(i + 2, Sheet::A, double(i + 1));
        sheet.setText(i + 2, Sheet::B, names[i]);
        sheet.setText(i + 2, Sheet::J, names[i]);
        sheet.setText(i + 2, Sheet::D, extension);
        sheet.setText(i + 2, Sheet::E, extension);
    }
}

} // namespace

class TestNewNameComposition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void composesRules_data();
    void composesRules();
    void numbersRows_data();
    void numbersRows();
    void writesRowsWithAnExtension_data();
    void writesRowsWithAnExtension();
    void namesWhatTheNewNameHeldBefore_data();
    void namesWhatTheNewNameHeldBefore();
    void derivationTakesTheFirstRow();
    void keepsANameBeginningWithAQuote();
    void emptyTableWritesNothing();
    void nameSourceThatIsANumberShowsAsText();
};

void TestNewNameComposition::composesRules_data()
{
    // The texts after the name are fixed: final, 2026-12-07 and v2.
    QTest::addColumn<QString>("separator"); // the separator in effect, "" when switched off
    QTest::addColumn<QString>("checked");   // N numbering, P before, S after, D date, V version
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all rules off gives the old base name") << u""_s << u""_s << u""_s << u"report"_s;
    QTest::newRow("numbering, separator, text before and date")
        << u"-"_s << u"NPD"_s << u"A"_s << u"01-A-report-2026-12-07"_s;
    QTest::newRow("a checked text before without text keeps its joint")
        << u"-"_s << u"NP"_s << u""_s << u"01--report"_s;
    QTest::newRow("without a separator the pieces are joined directly")
        << u""_s << u"NP"_s << u"A"_s << u"01Areport"_s;
    QTest::newRow("text after and version") << u"_"_s << u"SV"_s << u""_s << u"report_final_v2"_s;
    QTest::newRow("every rule in its order")
        << u"-"_s << u"NPSDV"_s << u"A"_s << u"01-A-report-final-2026-12-07-v2"_s;
    QTest::newRow("an unchecked rule adds neither text nor joint")
        << u"-"_s << u""_s << u"A"_s << u"report"_s;
    QTest::newRow("Chinese texts") << u"·"_s << u"PS"_s << u"项目"_s << u"项目·report·final"_s;
}

void TestNewNameComposition::composesRules()
{
    QFETCH(QString, separator);
    QFETCH(QString, checked);
    QFETCH(QString, prefix);
    QFETCH(QString, expected);

    const CheckedRules on{checked.contains(u'N'), checked.contains(u'P'), checked.contains(u'S'),
                          checked.contains(u'D'), checked.contains(u'V')};
    Sheet sheet;
    fillTable(sheet, {u"report"_s});
    writeNumbering(sheet, on.numbering, {});
    RuleValues rules;
    rules.strSeparator = separator;
    rules.strPrefix = ruleValue(on.prefix, prefix);
    rules.strSuffix = ruleValue(on.suffix, u"final"_s);
    rules.strDate = ruleValue(on.date, u"2026-12-07"_s);
    rules.strVersion = ruleValue(on.version, u"v2"_s);
    rules.setJoints(on);
    NoProgress progress;
    composeNewNames(sheet, rules, false, progress);

    QCOMPARE(sheet.text(2, Sheet::C), expected);
}

void TestNewNameComposition::numbersRows_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first row") << u""_s << 2 << u"01"_s;
    QTest::newRow("ninth row") << u""_s << 10 << u"09"_s;
    QTest::newRow("tenth row is not padded") << u""_s << 11 << u"010"_s;
    QTest::newRow("prefix replaces the marker") << u"A"_s << 2 << u"A01"_s;
    QTest::newRow("prefix on the tenth row") << u"A"_s << 11 << u"A010"_s;
    QTest::newRow("a prefix beginning with a quote stays as typed") << u"'x"_s << 2 << u"'x01"_s;
}

void TestNewNameComposition::numbersRows()
{
    QFETCH(QString, prefix);
    QFETCH(int, row);
    QFETCH(QString, expected);

    Sheet sheet;
    fillTable(sheet, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s, u"h"_s, u"i"_s, u"j"_s});
    writeNumbering(sheet, true, prefix);
    RuleValues rules;
    rules.setJoints({.numbering = true});
    NoProgress progress;
    composeNewNames(sheet, rules, false, progress);

    QCOMPARE(sheet.text(row, Sheet::K), expected);
    QVERIFY(!sheet.isNumber(row, Sheet::K));
    QCOMPARE(sheet.text(row, Sheet::C), expected + QChar(u'a' + row - 2));
}

void TestNewNameComposition::writesRowsWithAnExtension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three-character extension") << u".doc"_s << u"new"_s;
    QTest::newRow("two-character extension") << u".cs"_s << u"new"_s;
    QTest::newRow("one-character extension") << u".c"_s << u"new"_s;
    QTest::newRow("one-character extension outside the BMP") << u".😀"_s << u"new"_s;
    QTest::newRow("a dot alone is no extension") << u"."_s << u"kept"_s;
    QTest::newRow("empty extension") << u""_s << u"kept"_s;
}

void TestNewNameComposition::writesRowsWithAnExtension()
{
    QFETCH(QString, extension);
    QFETCH(QString, expected);

    Sheet sheet;
    fillTable(sheet, {u"new"_s}, extension);
    sheet.setText(2, Sheet::C, u"kept"_s);
    NoProgress progress;
    composeNewNames(sheet, RuleValues(), false, progress);

    QCOMPARE(sheet.text(2, Sheet::C), expected);
}

void TestNewNameComposition::namesWhatTheNewNameHeldBefore_data()
{
    QTest::addColumn<QString>("before"); // as typed into C2

    QTest::newRow("the same name") << u"report"_s;
    QTest::newRow("the name and more") << u"reports"_s;
    QTest::newRow("the name cut short") << u"repor"_s;
    QTest::newRow("a formula giving the name") << u"=\"report\""_s;
}

// Whatever the new name's cell held, it ends holding the name as text.
void TestNewNameComposition::namesWhatTheNewNameHeldBefore()
{
    QFETCH(QString, before);
    Sheet sheet;
    fillTable(sheet, {u"report"_s});
    sheet.put(2, Sheet::C, before);
    NoProgress progress;
    composeNewNames(sheet, RuleValues(), false, progress);

    QCOMPARE(sheet.text(2, Sheet::C), u"report"_s);
    QVERIFY(!sheet.isFormula(2, Sheet::C));
}

void TestNewNameComposition::derivationTakesTheFirstRow()
{
    Sheet sheet;
    fillTable(sheet, {u"report"_s}, u".xls"_s);
    // The replicated rows below the file hold its base name and number but no extension.
    for (int row = 3; row <= 4; ++row) {
        sheet.setNumber(row, Sheet::A, row - 1);
        sheet.setText(row, Sheet::B, u"report"_s);
    }
    writeNumbering(sheet, true, {});
    RuleValues rules;
    rules.strSeparator = u"-"_s;
    rules.setJoints({.numbering = true});
    NoProgress progress;
    composeNewNames(sheet, rules, true, progress);

    QCOMPARE(sheet.text(2, Sheet::C), u"01-report"_s);
    QCOMPARE(sheet.text(3, Sheet::C), u"02-report"_s);
    QCOMPARE(sheet.text(4, Sheet::C), u"03-report"_s);
    QCOMPARE(sheet.text(4, Sheet::D), u".xls"_s);
}

void TestNewNameComposition::keepsANameBeginningWithAQuote()
{
    Sheet sheet;
    fillTable(sheet, {u"'quoted"_s});
    NoProgress progress;
    composeNewNames(sheet, RuleValues(), false, progress);

    QCOMPARE(sheet.text(2, Sheet::C), u"'quoted"_s);
}

void TestNewNameComposition::emptyTableWritesNothing()
{
    Sheet sheet;
    sheet.setText(1, Sheet::C, u"新文件名"_s);
    writeNumbering(sheet, true, {});
    RuleValues rules;
    rules.strPrefix = u"A"_s;
    NoProgress progress;
    composeNewNames(sheet, rules, false, progress);

    QCOMPARE(sheet.usedRowCount(), 1);
    QCOMPARE(sheet.text(1, Sheet::C), u"新文件名"_s);
}

// A cell that holds no text is read as it shows, as a number in the name source.
void TestNewNameComposition::nameSourceThatIsANumberShowsAsText()
{
    Sheet sheet;
    fillTable(sheet, {u"a"_s, u"b"_s});
    sheet.setNumber(3, Sheet::J, 0.5);
    writeNumbering(sheet, true, {});
    RuleValues rules;
    rules.setJoints({.numbering = true});
    NoProgress progress;
    composeNewNames(sheet, rules, false, progress);

    QCOMPARE(sheet.text(2, Sheet::C), u"01a"_s);
    QCOMPARE(sheet.text(3, Sheet::C), u"020.5"_s);
}

QTEST_GUILESS_MAIN(TestNewNameComposition)
#include "tst_newnamecomposition.moc"
