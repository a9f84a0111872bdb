#include "base/Progress.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"
#include "workbook/TableImport.h"
#include "workbook/WorkbookLimits.h"
#include "workbook/WorkbookWriter.h"

#include <QTemporaryDir>
#include <QTest>

using Value = Sheet::Value;
constexpr int ColumnL = 12;
const QDateTime MadeAt(QDate(2026, 12, 7), QTime(9, 5, 30));
Q_DECLARE_METATYPE(Value)

namespace {

// The imported cell as the sheet would hold it.
Value valueOf(const ImportedTable& table, qsizetype row, int column)
{
    const std::optional<ImportedCell> cell = table.cell(row, column);
    if (!cell || cell->value.kind == ImportedValue::Kind::Empty)
        return {};
    if (cell->value.kind == ImportedValue::Kind::Number)
        return cell->value.number;
    return cell->value.text;
}

const ImportedColumn* columnOf(const ImportedTable& table, int column)
{
    for (const ImportedColumn& described : table.columns())
        if (described.column == column)
            return &described;
    return nullptr;
}

} // namespace

// A built rename table with hand edits, written to a workbook and read back into a new sheet.
class TestWorkbookRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cellsKeepValueAndType_data();
    void cellsKeepValueAndType();
    void everyCellOfTheTableComesBack();
    void headerKeepsBoldAndRed_data();
    void headerKeepsBoldAndRed();
    void columnsKeepWidthAndFontSize_data();
    void columnsKeepWidthAndFontSize();
    void longestCellTextFits();
    void formulasComeBackWithTheirValues_data();
    void formulasComeBackWithTheirValues();

private:
    QTemporaryDir m_dir;
    Sheet m_table;
    ImportedTable m_readBack;
};

void TestWorkbookRoundTrip::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QStringList files{
        u"/资料/照片/春节 合影.jpg"_qs,
        u"/资料/照片/007.jpg"_qs,
        u"/资料/照片/3e5.png"_qs,
        u"/资料/文档/'引号开头.doc"_qs,
        u"/资料/文档/=SUM(A1).xls"_qs,
        u"/资料/文档/_x0041_.txt"_qs,
        u"/资料/文档/a\x01"
        u"b.txt"_qs,
        u"/资料/文档/ 前后空格 .pdf"_qs,
        u"/资料/文档/非字符\uFFFE\uFFFF.txt"_qs,
        u"/资料/照片/😀笑脸.jpg"_qs,
    };
    NoProgress progress;
    TableBuildOptions options;
    options.separator = u'/';
    QCOMPARE(buildTable(m_table, files, options, progress), 10);
    // Hand edits: a new name typed with the text marker, another typed plainly, and a number.
    m_table.put(2, Sheet::C, u"'0012"_qs);
    m_table.put(3, Sheet::C, u"新名字"_qs);
    m_table.setNumber(2, ColumnL, 0.125);
    // Formulas, one with a function newer than the file format.
    m_table.put(5, Sheet::C, u"=UPPER(B4)&\"-\"&TEXTJOIN(\"+\",TRUE,A5,E5)"_qs);
    m_table.put(6, Sheet::C, u"=1/0"_qs);

    const QString path = m_dir.filePath(u"table.xlsx"_qs);
    WorkbookWriter writer(m_table, MadeAt);
    QVERIFY2(writer.write(path), qPrintable(writer.errorString()));
    TableImport imported = importTable(path);
    QVERIFY2(imported.succeeded(), qPrintable(imported.error));
    m_readBack = std::move(imported.table);
}

void TestWorkbookRoundTrip::cellsKeepValueAndType_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<Value>("expected");

    QTest::newRow("Chinese header") << 1 << int(Sheet::B) << Value(u"原文件名"_qs);
    QTest::newRow("sequence number is a number") << 3 << int(Sheet::A) << Value(2.0);
    QTest::newRow("Chinese name with a blank") << 2 << int(Sheet::B) << Value(u"春节 合影"_qs);
    QTest::newRow("name of digits stays text") << 3 << int(Sheet::B) << Value(u"007"_qs);
    QTest::newRow("exponent-like name stays text") << 4 << int(Sheet::B) << Value(u"3e5"_qs);
    QTest::newRow("leading quote is part of the name") << 5 << int(Sheet::B) << Value(u"'引号开头"_qs);
    QTest::newRow("formula-like name stays text") << 6 << int(Sheet::B) << Value(u"=SUM(A1)"_qs);
    QTest::newRow("escape-like name stays as written") << 7 << int(Sheet::B) << Value(u"_x0041_"_qs);
    QTest::newRow("control character survives") << 8 << int(Sheet::B)
                                                << Value(u"a\x01"
                                                         u"b"_qs);
    QTest::newRow("noncharacters XML cannot hold survive")
        << 10 << int(Sheet::B) << Value(u"非字符\uFFFE\uFFFF"_qs);
    QTest::newRow("leading and trailing blanks survive") << 9 << int(Sheet::B) << Value(u" 前后空格 "_qs);
    QTest::newRow("emoji name") << 11 << int(Sheet::B) << Value(u"😀笑脸"_qs);
    QTest::newRow("extension keeps its dot") << 3 << int(Sheet::E) << Value(u".jpg"_qs);
    QTest::newRow("folder path") << 2 << int(Sheet::F) << Value(u"/资料/照片/"_qs);
    QTest::newRow("hand edit with text marker") << 2 << int(Sheet::C) << Value(u"0012"_qs);
    QTest::newRow("hand edit in Chinese") << 3 << int(Sheet::C) << Value(u"新名字"_qs);
    QTest::newRow("fraction stays a number") << 2 << ColumnL << Value(0.125);
    QTest::newRow("empty new name stays empty") << 4 << int(Sheet::C) << Value();
}

void TestWorkbookRoundTrip::formulasComeBackWithTheirValues_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("shown");
    QTest::newRow("text formula") << 5 << u"=UPPER(B4)&\"-\"&TEXTJOIN(\"+\",TRUE,A5,E5)"_qs
                                  << u"3E5-4+.doc"_qs;
    QTest::newRow("error value") << 6 << u"=1/0"_qs << u"#DIV/0!"_qs;
}

void TestWorkbookRoundTrip::formulasComeBackWithTheirValues()
{
    QFETCH(int, row);
    QFETCH(QString, formula);
    QFETCH(QString, shown);
    QCOMPARE(m_table.text(row, Sheet::C), shown);
    const std::optional<ImportedCell> cell = m_readBack.cell(row, Sheet::C);
    QVERIFY(cell);
    QCOMPARE(cell->formula, formula);
    QCOMPARE(cell->value.text, shown);
}

void TestWorkbookRoundTrip::cellsKeepValueAndType()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(Value, expected);
    QCOMPARE(valueOf(m_readBack, row, column).index(), expected.index());
    QVERIFY(valueOf(m_readBack, row, column) == expected);
}

void TestWorkbookRoundTrip::everyCellOfTheTableComesBack()
{
    QCOMPARE(m_readBack.rowCount(), 11);
    QCOMPARE(m_readBack.columnCount(), ColumnL);
    // A formula's value is its own business, checked with the formulas.
    for (qsizetype r = 1; r <= 11; ++r)
        for (int c = 1; c <= ColumnL + 1; ++c)
            QVERIFY2(m_table.isFormula(r, c) || valueOf(m_readBack, r, c) == m_table.value(r, c),
                     qPrintable(u"row %1 column %2: %3"_qs.arg(r).arg(c).arg(m_table.text(r, c))));
    QCOMPARE(m_readBack.formulasLeftOut(), 0);
}

void TestWorkbookRoundTrip::headerKeepsBoldAndRed_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("red");

    QTest::newRow("序号 plain") << int(Sheet::A) << false << false;
    QTest::newRow("新文件名 bold red") << int(Sheet::C) << true << true;
    QTest::newRow("新扩展名 bold red") << int(Sheet::E) << true << true;
    QTest::newRow("note bold red") << int(Sheet::H) << true << true;
}

void TestWorkbookRoundTrip::headerKeepsBoldAndRed()
{
    QFETCH(int, column);
    QFETCH(bool, bold);
    QFETCH(bool, red);
    const std::optional<ImportedCell> header = m_readBack.cell(1, column);
    QVERIFY(header);
    QCOMPARE(header->bold, bold);
    QCOMPARE(header->color, red ? std::optional<quint32>(0xFF0000) : std::nullopt);
    const std::optional<ImportedCell> first = m_readBack.cell(2, column);
    QVERIFY(!first || (!first->bold && !first->color));
}

void TestWorkbookRoundTrip::columnsKeepWidthAndFontSize_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("characters");
    QTest::addColumn<double>("fontSize");

    // Columns without a width of their own get the grid's: 286.5 pt for B is 382 px, and so on.
    QTest::newRow("A keeps its 3 characters") << int(Sheet::A) << 3.0 << 10.0;
    QTest::newRow("B at the grid's 286.5 pt") << int(Sheet::B) << 53.86 << 10.0;
    QTest::newRow("E at the grid's 69 pt") << int(Sheet::E) << 12.43 << 10.0;
    QTest::newRow("J at 54 pt in the default size") << int(Sheet::J) << 9.57 << 11.0;
}

void TestWorkbookRoundTrip::columnsKeepWidthAndFontSize()
{
    QFETCH(int, column);
    QFETCH(double, characters);
    QFETCH(double, fontSize);
    const ImportedColumn* described = columnOf(m_readBack, column);
    QVERIFY(described && described->width);
    QCOMPARE(*described->width, characters);
    QCOMPARE(described->fontSize.value_or(Sheet::DefaultFontSize), fontSize);
}

void TestWorkbookRoundTrip::longestCellTextFits()
{
    Sheet sheet;
    const QString longest(WorkbookLimits::MaxCellText, u'名');
    sheet.setText(1, Sheet::B, longest);
    const QString path = m_dir.filePath(u"longest.xlsx"_qs);
    WorkbookWriter writer(sheet, MadeAt);
    QVERIFY2(writer.write(path), qPrintable(writer.errorString()));
    const TableImport imported = importTable(path);
    QVERIFY2(imported.succeeded(), qPrintable(imported.error));
    QCOMPARE(valueOf(imported.table, 1, Sheet::B), Value(longest));
}

QTEST_GUILESS_MAIN(TestWorkbookRoundTrip)
#include "tst_workbookroundtrip.moc"
