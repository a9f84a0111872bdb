#include "MemoryCells.h"
#include "formula/Formula.h"
#include "formula/ValueText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

void row(const char* formula, const QString& shown)
{
    QTest::newRow(formula) << QString::fromUtf8(formula) << shown;
}

} // namespace

// Each formula's expected value is what a spreadsheet application shows for it in K3, with the
// cells that initTestCase fills; where applications differ, Excel's answer.
class TestFormulaConformance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void showsWhatSpreadsheetsShow_data();
    void showsWhatSpreadsheetsShow();

private:
    MemoryCells m_cells;
};

void TestFormulaConformance::initTestCase()
{
    m_cells.set("A2", FormulaValue::number(7));
    m_cells.set("A3", FormulaValue::number(12.5));
    m_cells.set("A4", FormulaValue::number(-3));
    m_cells.set("A5", FormulaValue::number(46364.75)); // 2026-12-08 18:00
    m_cells.set("A6", FormulaValue::number(0));
    m_cells.set("A7", FormulaValue::number(1));
    m_cells.set("B2", FormulaValue::text(u"Report_2024.docx"_s));
    m_cells.set("B3", FormulaValue::text(u"hello wORLD"_s));
    m_cells.set("B4", FormulaValue::text(u"  a  b  "_s));
    m_cells.set("B5", FormulaValue::text(u"中文😀名"_s));
    m_cells.set("B6", FormulaValue::text(u"x"_s));
    m_cells.set("C2", FormulaValue::text(u"3"_s));
    m_cells.set("D2", FormulaValue::boolean(true));
    m_cells.set("E2", FormulaValue::text(u"a"_s));
    m_cells.set("E4", FormulaValue::text(u"c"_s));
    m_cells.set("F2", FormulaValue(FormulaError::Div0));
    m_cells.set("G2", FormulaValue::text(QString())); // a formula giving ""
}

void TestFormulaConformance::showsWhatSpreadsheetsShow_data()
{
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("shown");

    // Operators, their precedence, coercion and comparisons
    row("=1+2*3", u"7"_s);
    row("=(1+2)*3", u"9"_s);
    row("=-2^2", u"4"_s);
    row("=2^3^2", u"64"_s);
    row("=2^-1", u"0.5"_s);
    row("=10/4", u"2.5"_s);
    row("=7-10", u"-3"_s);
    row("=50%", u"0.5"_s);
    row("=A2*10%", u"0.7"_s);
    row("=-A4", u"3"_s);
    row("=1/0", u"#DIV/0!"_s);
    row("=0^0", u"#NUM!"_s);
    row("=\"1\"+\"2\"", u"3"_s);
    row("=\"abc\"+1", u"#VALUE!"_s);
    row("=TRUE+TRUE", u"2"_s);
    row("=B7+1", u"1"_s);
    row("=B7&\"x\"", u"x"_s);
    row("=1&2", u"12"_s);
    row("=TRUE&\"\"", u"TRUE"_s);
    row("=1/3&\"\"", u"0.333333333333333"_s);
    row("=0.1+0.2", u"0.3"_s);
    row("=1E+20&\"\"", u"1E+20"_s);
    row("=123456789012&\"\"", u"123456789012"_s);
    row("=A3&\"\"", u"12.5"_s);
    row("=\"a\"=\"A\"", u"TRUE"_s);
    row("=\"a\"<\"B\"", u"TRUE"_s);
    row("=\"10\"<\"9\"", u"TRUE"_s);
    row("=1<\"a\"", u"TRUE"_s);
    row("=\"z\"<FALSE", u"TRUE"_s);
    row("=FALSE<TRUE", u"TRUE"_s);
    row("=B7=0", u"TRUE"_s);
    row("=B7=\"\"", u"TRUE"_s);
    row("=2<>3", u"TRUE"_s);
    row("=3>=3", u"TRUE"_s);
    row("=2<=1", u"FALSE"_s);
    row("=0.1+0.2=0.3", u"TRUE"_s);
    row("=1+\"x\"&\"y\"", u"#VALUE!"_s);
    row("=-\"3\"", u"-3"_s);
    row("=C2*2", u"6"_s);
    row("=D2+1", u"2"_s);
    row("=F2+1", u"#DIV/0!"_s);
    row("=#N/A", u"#N/A"_s);
    row("=\"He said \"\"hi\"\"\"", u"He said \"hi\""_s);
    row("=LEN(\"\"\"\")", u"1"_s);

    // References, ranges and names
    row("=A2", u"7"_s);
    row("=$A$2+A$3+$A4", u"16.5"_s);
    row("=SUM(A2:A4)", u"16.5"_s);
    row("=SUM(A4:A2)", u"16.5"_s);
    row("=b2", u"Report_2024.docx"_s);
    row("=B2:B4", u"hello wORLD"_s);
    row("=A2:B2", u"#VALUE!"_s);
    row("=ROW()", u"3"_s);
    row("=COLUMN()", u"11"_s);
    row("=ROW(C5)", u"5"_s);
    row("=COLUMN(C5)", u"3"_s);
    row("=ROWS(A2:A7)", u"6"_s);
    row("=ROWS(B5:D9)", u"5"_s);
    row("=foo", u"#NAME?"_s);
    row("=FOO(1)", u"#NAME?"_s);
    row("=B7", u"0"_s);

    // Text functions
    row("=LEFT(B2,6)", u"Report"_s);
    row("=LEFT(B2)", u"R"_s);
    row("=LEFT(\"abc\",10)", u"abc"_s);
    row("=LEFT(\"abc\",-1)", u"#VALUE!"_s);
    row("=RIGHT(B2,4)", u"docx"_s);
    row("=RIGHT(\"abc\",0)", u""_s);
    row("=MID(B2,8,4)", u"2024"_s);
    row("=MID(\"abc\",5,2)", u""_s);
    row("=MID(\"abc\",0,1)", u"#VALUE!"_s);
    row("=MID(\"abc\",2,-1)", u"#VALUE!"_s);
    row("=LEN(B2)", u"16"_s);
    row("=LEN(123.45)", u"6"_s);
    row("=LEN(B7)", u"0"_s);
    row("=FIND(\"o\",B3)", u"5"_s);
    row("=FIND(\"O\",B3)", u"8"_s);
    row("=FIND(\"o\",B3,6)", u"#VALUE!"_s);
    row("=FIND(\"z\",B3)", u"#VALUE!"_s);
    row("=FIND(\"\",B3)", u"1"_s);
    row("=SEARCH(\"W\",B3)", u"7"_s);
    row("=SEARCH(\"l?o\",B3)", u"3"_s);
    row("=SEARCH(\"w*d\",B3)", u"7"_s);
    row("=SEARCH(\"~?\",\"a?b\")", u"2"_s);
    row("=SEARCH(\"x\",\"abc\")", u"#VALUE!"_s);
    row("=SEARCH(\"b\",\"abcb\",3)", u"4"_s);
    row("=SUBSTITUTE(B2,\"_\",\"-\")", u"Report-2024.docx"_s);
    row("=SUBSTITUTE(\"a-b-c\",\"-\",\"+\",2)", u"a-b+c"_s);
    row("=SUBSTITUTE(\"aaaa\",\"aa\",\"b\",2)", u"aab"_s);
    row("=SUBSTITUTE(\"abc\",\"\",\"x\")", u"abc"_s);
    row("=SUBSTITUTE(\"abc\",\"b\",\"x\",0)", u"#VALUE!"_s);
    row("=SUBSTITUTE(\"abc\",\"B\",\"x\")", u"abc"_s);
    row("=REPLACE(B2,1,6,\"Memo\")", u"Memo_2024.docx"_s);
    row("=REPLACE(\"abc\",5,1,\"x\")", u"abcx"_s);
    row("=REPLACE(\"abc\",0,1,\"x\")", u"#VALUE!"_s);
    row("=UPPER(B3)", u"HELLO WORLD"_s);
    row("=LOWER(B3)", u"hello world"_s);
    row("=PROPER(B3)", u"Hello World"_s);
    row("=PROPER(\"it's a 2-way test\")", u"It'S A 2-Way Test"_s);
    row("=TRIM(B4)", u"a b"_s);
    row("=CONCATENATE(\"a\",1,TRUE)", u"a1TRUE"_s);
    row("=CONCATENATE(B2:B4)", u"hello wORLD"_s);
    row("=CONCAT(A2:A4)", u"712.5-3"_s);
    row("=CONCAT(E2:E4,\"!\")", u"ac!"_s);
    row("=TEXTJOIN(\"-\",TRUE,E2:E4)", u"a-c"_s);
    row("=TEXTJOIN(\"-\",FALSE,E2:E4)", u"a--c"_s);
    row("=TEXTJOIN(\", \",TRUE,\"x\",B7,\"y\")", u"x, y"_s);
    row("=TEXTJOIN(\"/\",FALSE,A2:A3,\"z\")", u"7/12.5/z"_s);
    row("=REPT(\"ab\",3)", u"ababab"_s);
    row("=REPT(\"x\",0)", u""_s);
    row("=REPT(\"x\",-1)", u"#VALUE!"_s);
    row("=VALUE(\"12.5\")", u"12.5"_s);
    row("=VALUE(\" 1,234 \")", u"1234"_s);
    row("=VALUE(\"50%\")", u"0.5"_s);
    row("=VALUE(\"abc\")", u"#VALUE!"_s);
    row("=VALUE(\"2026-12-8\")", u"46364"_s);
    row("=EXACT(\"a\",\"A\")", u"FALSE"_s);
    row("=EXACT(B2,\"Report_2024.docx\")", u"TRUE"_s);
    row("=CHAR(65)", u"A"_s);
    row("=CHAR(0)", u"#VALUE!"_s);
    row("=CHAR(256)", u"#VALUE!"_s);
    row("=UNICHAR(20013)", u"中"_s);
    row("=UNICODE(\"中\")", u"20013"_s);
    row("=UNICODE(B5)", u"20013"_s);
    row("=UNICODE(\"\")", u"#VALUE!"_s);

    // TEXT formats
    row("=TEXT(3.14159,\"0.00\")", u"3.14"_s);
    row("=TEXT(1234567,\"#,##0\")", u"1,234,567"_s);
    row("=TEXT(4,\"000\")", u"004"_s);
    row("=TEXT(A2,\"000\")", u"007"_s);
    row("=TEXT(DATE(2026,1,5),\"yyyy年m月d日\")", u"2026年1月5日"_s);
    row("=TEXT(A5,\"yyyy-mm-dd hh:mm:ss\")", u"2026-12-08 18:00:00"_s);
    row("=TEXT(A5,\"yyyymmdd-hhmmss\")", u"20261208-180000"_s);
    row("=TEXT(A5,\"yy/m/d h:mm\")", u"26/12/8 18:00"_s);
    row("=TEXT(A5,\"mm:ss\")", u"00:00"_s);
    row("=TEXT(A5,\"h:mm AM/PM\")", u"6:00 PM"_s);
    row("=TEXT(0.256,\"0.0%\")", u"25.6%"_s);
    row("=TEXT(-1234.5,\"#,##0.00;(#,##0.00)\")", u"(1,234.50)"_s);
    row("=TEXT(0,\"0;-0;\"\"zero\"\"\")", u"zero"_s);
    row("=TEXT(1.5,\"0.0#\")", u"1.5"_s);
    row("=TEXT(0.5,\"#.00\")", u".50"_s);
    row("=TEXT(12,\"000-0000\")", u"000-0012"_s);
    row("=TEXT(1234567,\"0,\")", u"1235"_s);
    row("=TEXT(5,\"\\x0\")", u"x5"_s);
    row("=TEXT(5,\"_(0_)\")", u" 5 "_s);
    row("=TEXT(-5,\"0\")", u"-5"_s);
    row("=TEXT(\"abc\",\"@\"\"!\"\"\")", u"abc!"_s);
    row("=TEXT(\"12\",\"0.00\")", u"12.00"_s);
    row("=TEXT(\"abc\",\"0.00\")", u"abc"_s);
    row("=TEXT(2.5,\"0\")", u"3"_s);
    row("=TEXT(1234.5,\"#,##0.00\")", u"1,234.50"_s);
    row("=TEXT(0.5,\"#,##0\")", u"1"_s);
    row("=TEXT(-1234.5,\"0;0;0;@\")", u"1235"_s);

    // Regular expressions
    row("=REGEXTEST(B2,\"\\d{4}\")", u"TRUE"_s);
    row("=REGEXTEST(B3,\"WORLD\")", u"FALSE"_s);
    row("=REGEXTEST(B3,\"WORLD\",1)", u"TRUE"_s);
    row("=REGEXEXTRACT(B2,\"\\d+\")", u"2024"_s);
    row("=REGEXEXTRACT(B2,\"x\\d\")", u"#N/A"_s);
    row("=REGEXEXTRACT(B2,\"(\\w+)_(\\d+)\",2)", u"Report"_s);
    row("=REGEXREPLACE(B2,\"\\d\",\"#\")", u"Report_####.docx"_s);
    row("=REGEXREPLACE(B2,\"(\\w+)_(\\d+)\",\"$2-$1\")", u"2024-Report.docx"_s);
    row("=REGEXREPLACE(\"a1b2c3\",\"\\d\",\"\",2)", u"a1bc3"_s);
    row("=REGEXREPLACE(\"a1b2c3\",\"\\d\",\"X\",-1)", u"a1b2cX"_s);
    row("=REGEXTEST(\"abc\",\"(\")", u"#VALUE!"_s);

    // Logical functions
    row("=IF(A2>5,\"big\",\"small\")", u"big"_s);
    row("=IF(A4>0,\"pos\")", u"FALSE"_s);
    row("=IF(FALSE,1,)", u"0"_s);
    row("=IF(\"abc\",1,2)", u"#VALUE!"_s);
    row("=IF(TRUE,1,1/0)", u"1"_s);
    row("=IF(1,\"yes\",\"no\")", u"yes"_s);
    row("=IFERROR(1/0,\"err\")", u"err"_s);
    row("=IFERROR(A2,\"err\")", u"7"_s);
    row("=IFERROR(F2,\"bad\")", u"bad"_s);
    row("=AND(TRUE,A2>5)", u"TRUE"_s);
    row("=AND(A2:A7)", u"FALSE"_s);
    row("=OR(FALSE,0)", u"FALSE"_s);
    row("=OR(A6,A7)", u"TRUE"_s);
    row("=AND(B2:B3)", u"#VALUE!"_s);
    row("=NOT(A6)", u"TRUE"_s);
    row("=AND(TRUE,1/0)", u"#DIV/0!"_s);
    row("=ISBLANK(B7)", u"TRUE"_s);
    row("=ISBLANK(G2)", u"FALSE"_s);
    row("=ISNUMBER(A2)", u"TRUE"_s);
    row("=ISNUMBER(C2)", u"FALSE"_s);
    row("=ISTEXT(C2)", u"TRUE"_s);
    row("=ISTEXT(B7)", u"FALSE"_s);
    row("=ISERROR(F2)", u"TRUE"_s);
    row("=ISERROR(A2)", u"FALSE"_s);
    row("=ISERROR(FOO())", u"TRUE"_s);

    // Numbers and aggregates
    row("=ROUND(2.5,0)", u"3"_s);
    row("=ROUND(-2.5,0)", u"-3"_s);
    row("=ROUND(1.005,2)", u"1.01"_s);
    row("=ROUND(1234.5678,-2)", u"1200"_s);
    row("=ROUNDUP(3.2,0)", u"4"_s);
    row("=ROUNDUP(-3.2,0)", u"-4"_s);
    row("=ROUNDDOWN(3.8,0)", u"3"_s);
    row("=ROUNDDOWN(-3.14159,3)", u"-3.141"_s);
    row("=INT(-2.5)", u"-3"_s);
    row("=INT(2.9)", u"2"_s);
    row("=MOD(-7,3)", u"2"_s);
    row("=MOD(7,-3)", u"-2"_s);
    row("=MOD(5,0)", u"#DIV/0!"_s);
    row("=MOD(10.5,3)", u"1.5"_s);
    row("=ABS(A4)", u"3"_s);
    row("=SUM(A2:A7)", u"46382.25"_s);
    row("=SUM(B2:D2)", u"0"_s);
    row("=SUM(\"3\",TRUE,1)", u"5"_s);
    row("=SUM(\"x\",1)", u"#VALUE!"_s);
    row("=SUM(A2,F2)", u"#DIV/0!"_s);
    row("=MIN(A2:A7)", u"-3"_s);
    row("=MAX(A2:A4)", u"12.5"_s);
    row("=MAX(B2:B3)", u"0"_s);
    row("=COUNT(A2:D2)", u"1"_s);
    row("=COUNT(1,\"2\",\"x\",TRUE)", u"3"_s);
    row("=COUNTA(A2:G2)", u"7"_s);
    row("=COUNTA(B7)", u"0"_s);
    row("=AVERAGE(A2:A4)", u"5.5"_s);
    row("=AVERAGE(B2:B3)", u"#DIV/0!"_s);
    row("=AVERAGE(\"a\")", u"#VALUE!"_s);

    // Dates and times
    row("=DATE(2026,12,8)", u"46364"_s);
    row("=DATE(2026,13,1)", u"46388"_s);
    row("=DATE(2026,3,0)", u"46081"_s);
    row("=DATE(26,1,1)", u"9498"_s);
    row("=DATE(-1,1,1)", u"#NUM!"_s);
    row("=YEAR(A5)", u"2026"_s);
    row("=MONTH(A5)", u"12"_s);
    row("=DAY(A5)", u"8"_s);
    row("=HOUR(A5)", u"18"_s);
    row("=MINUTE(0.5+1/1440)", u"1"_s);
    row("=SECOND(A5+5/86400)", u"5"_s);
    row("=YEAR(\"2026-1-5\")", u"2026"_s);
    row("=DAY(-1)", u"#NUM!"_s);
    row("=YEAR(\"abc\")", u"#VALUE!"_s);
    row("=DATE(2026,1,5)-DATE(2025,12,25)", u"11"_s);

    // Names in any case, and functions together
    row("=left(b2,3)", u"Rep"_s);
    row("=Sum(1,2)", u"3"_s);
    row("=ABS(-A2)&\"%\"", u"7%"_s);
    row("=(A2+A3)*2-A4/2", u"40.5"_s);
    row("=LEFT(B2,FIND(\"_\",B2)-1)", u"Report"_s);
    row("=MID(B2,FIND(\"_\",B2)+1,LEN(B2))", u"2024.docx"_s);
    row("=UPPER(LEFT(B3))&MID(B3,2,100)", u"Hello wORLD"_s);
    row("=LEFT(B2,3)&\"-\"&TEXT(A2,\"000\")", u"Rep-007"_s);
}

void TestFormulaConformance::showsWhatSpreadsheetsShow()
{
    QFETCH(QString, formula);
    QFETCH(QString, shown);

    const CellAddress host{3, 11}; // K3
    const FormulaParseResult parsed = Formula::parse(formula, host);
    QVERIFY2(parsed.formula, qPrintable(parsed.error.message));
    QCOMPARE(shownText(parsed.formula->evaluate(m_cells, host)), shown);
}

QTEST_GUILESS_MAIN(TestFormulaConformance)
#include "tst_formulaconformance.moc"
