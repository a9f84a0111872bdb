#include "CellDescription.h"
#include "ZipFiles.h"
#include "workbook/TableImport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <xlsxwriter.h>

#include <map>

Q_DECLARE_METATYPE(ZipParts)

namespace {

const QByteArray Main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray Rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const QByteArray StrictMain = "http://purl.oclc.org/ooxml/spreadsheetml/main";
const QByteArray StrictRel = "http://purl.oclc.org/ooxml/officeDocument/relationships";

QByteArray relationships(const QByteArray& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           entries + "</Relationships>";
}

QByteArray relationship(const QByteArray& id, const QByteArray& kind, const QByteArray& target,
                        const QByteArray& base = Rel)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + base + '/' + kind + "\" Target=\"" + target + "\"/>";
}

QByteArray worksheet(const QByteArray& content, const QByteArray& ns = Main)
{
    return "<worksheet xmlns=\"" + ns + "\">" + content + "</worksheet>";
}

// A workbook as other applications write it: parts under their own names, the first sheet
// not the first part, shared strings with runs and phonetic guides, rows and cells without
// references, fonts in differential formats that cells do not use, and formulas of every kind.
ZipParts workbookByAnotherApplication()
{
    ZipParts parts;
    parts.push_back(
        {u"_rels/.rels"_qs, relationships(relationship("rId1", "officeDocument", "xl/book.xml"))});
    parts.push_back(
        {u"xl/_rels/book.xml.rels"_qs,
         relationships(relationship("rId7", "worksheet", "sheets/zweite.xml") +
                       relationship("rId3", "worksheet", "/xl/sheets/erste.xml") +
                       relationship("rId1", "sharedStrings", "strings.xml") +
                       relationship("rId2", "styles", "styles.xml") + "<Relationship Id=\"rId9\" Type=\"" +
                       Rel + "/hyperlink\" Target=\"http://example.com/\" TargetMode=\"External\"/>")});
    parts.push_back(
        {u"xl/book.xml"_qs, "<workbook xmlns=\"" + Main + "\" xmlns:rel=\"" + Rel +
                                "\"><sheets><sheet name=\"表一\" sheetId=\"1\" rel:id=\"rId3\"/>"
                                "<sheet name=\"表二\" sheetId=\"2\" rel:id=\"rId7\"/></sheets></workbook>"});
    parts.push_back({u"xl/strings.xml"_qs,
                     "<sst xmlns=\"" + Main +
                         "\" uniqueCount=\"2147483647\">"
                         "<si><t>序号</t></si>"
                         "<si><r><rPr><b/></rPr><t>原文</t></r><r><t xml:space=\"preserve\">件名 </t></r>"
                         "<rPh sb=\"0\" eb=\"2\"><t>ゲンブン</t></rPh></si>"
                         "<si><t>007</t></si>"
                         "<si><t>_x005F_x0041_ and _x000D_</t></si>"
                         "<si><t>藏在合并区</t></si>"
                         "</sst>"});
    parts.push_back({u"xl/styles.xml"_qs,
                     "<styleSheet xmlns=\"" + Main +
                         "\">"
                         "<fonts><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
                         "<font><b/><sz val=\"11\"/><color rgb=\"FFFF0000\"/></font>"
                         "<font><sz val=\"10\"/><color theme=\"1\"/></font></fonts>"
                         "<cellStyleXfs><xf fontId=\"1\"/></cellStyleXfs>"
                         "<cellXfs><xf numFmtId=\"0\" fontId=\"0\"/><xf numFmtId=\"0\" fontId=\"1\"/>"
                         "<xf numFmtId=\"49\" fontId=\"2\"/></cellXfs>"
                         "<dxfs><dxf><font><b/><color rgb=\"FF00FF00\"/></font></dxf></dxfs>"
                         "</styleSheet>"});
    parts.push_back(
        {u"xl/sheets/erste.xml"_qs,
         worksheet(
             "<dimension ref=\"A1:XFD1048576\"/>"
             "<cols><col min=\"1\" max=\"1\" width=\"3.7109375\" customWidth=\"1\" style=\"2\"/>"
             "<col min=\"2\" max=\"1024\" width=\"9.140625\"/></cols><sheetData>"
             "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\" s=\"1\"><v>1</v></c></row>"
             "<row><c><v>1</v></c><c t=\"s\"><v>2</v></c><c t=\"inlineStr\"><is><t>新名</t></is></c>"
             "<c t=\"b\"><v>1</v></c><c t=\"e\"><v>#N/A</v></c><c "
             "t=\"str\"><f>A1&amp;\"x\"</f><v>序号x</v></c>"
             "<c t=\"s\"><v>3</v></c><c><v>1.5E+3</v></c><c s=\"2\"/><c t=\"b\"><v>true</v></c>"
             "<c t=\"b\"><v>FALSE</v></c></row>"
             "<row r=\"3\"><c r=\"A3\"><f t=\"shared\" ref=\"A3:A5\" si=\"0\">ROW()-2+$J$5</f><v>0.75</v></c>"
             "<c r=\"B3\" t=\"inlineStr\"><is><r><t>富</t></r><r><rPr><i/></rPr><t>文本</t></r></is></c>"
             "<c r=\"C3\" t=\"str\"><f>_xlfn.CONCAT(B3,\"_xlfn.\")</f><v>富文本_xlfn.</v></c>"
             "<c r=\"D3\"><f t=\"array\" ref=\"D3:D4\">SUM(A3:A4*2)</f><v>3.5</v></c>"
             "<c r=\"E3\"><f>Sheet2!A1+1</f><v>8</v></c>"
             "<c r=\"F3\" t=\"d\"><v>2026-12-08T18:00:00</v></c><c r=\"G3\"><v>46364</v></c>"
             "<c r=\"H3\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>"
             "<c r=\"I3\" t=\"s\"><v>4</v></c><c r=\"J3\" t=\"s\"><v>4</v></c></row>"
             "<row r=\"4\"><c r=\"A4\"><f t=\"shared\" si=\"0\"/><v>1.75</v></c><c "
             "r=\"D4\"><v>5.5</v></c></row>"
             "<row r=\"5\"><c r=\"A5\"><f t=\"shared\" si=\"0\"/><v>2.75</v></c>"
             "<c r=\"B5\"><f t=\"shared\" si=\"9\"/><v>4</v></c><c r=\"J5\" t=\"n\"><v>-0.25</v></c></row>"
             "<row r=\"1048576\"><c r=\"XFD1048576\"><v>7</v></c></row>"
             "</sheetData><mergeCells count=\"1\"><mergeCell ref=\"I3:J4\"/></mergeCells>")});
    parts.push_back(
        {u"xl/sheets/zweite.xml"_qs,
         worksheet("<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>不该读到</t></is></c>"
                   "</row></sheetData>")});
    return parts;
}

// The strict schema's namespaces and relationship types, as Excel saves "Strict Open XML".
ZipParts strictWorkbook()
{
    ZipParts parts;
    parts.push_back({u"_rels/.rels"_qs,
                     relationships(relationship("rId1", "officeDocument", "xl/workbook.xml", StrictRel))});
    parts.push_back({u"xl/_rels/workbook.xml.rels"_qs,
                     relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml", StrictRel) +
                                   relationship("rId2", "sharedStrings", "sharedStrings.xml", StrictRel))});
    parts.push_back({u"xl/workbook.xml"_qs, "<workbook xmlns=\"" + StrictMain + "\" xmlns:r=\"" + StrictRel +
                                                "\"><sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/>"
                                                "</sheets></workbook>"});
    parts.push_back(
        {u"xl/sharedStrings.xml"_qs, "<sst xmlns=\"" + StrictMain + "\"><si><t>严格</t></si></sst>"});
    parts.push_back(
        {u"xl/worksheets/sheet1.xml"_qs,
         worksheet("<sheetData><row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"C2\"><v>2.5</v></c>"
                   "</row></sheetData>",
                   StrictMain)});
    return parts;
}

// Elements under a prefix as the Open XML SDK writes them, and the rest of XML's ways of saying
// the same: a byte order mark, comments, CDATA, character references, single quotes.
ZipParts prefixedWorkbook()
{
    ZipParts parts;
    parts.push_back(
        {u"_rels/.rels"_qs, relationships(relationship("rId1", "officeDocument", "xl/workbook.xml"))});
    parts.push_back({u"xl/_rels/workbook.xml.rels"_qs,
                     relationships(relationship("R1", "worksheet", "worksheets/sheet.xml") +
                                   relationship("R2", "sharedStrings", "sharedStrings.xml"))});
    parts.push_back({u"xl/workbook.xml"_qs, "<x:workbook xmlns:x=\"" + Main + "\" xmlns:r=\"" + Rel +
                                                "\"><x:sheets><x:sheet name=\"S\" sheetId=\"1\" r:id=\"R1\"/>"
                                                "</x:sheets></x:workbook>"});
    parts.push_back({u"xl/sharedStrings.xml"_qs,
                     "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?><x:sst xmlns:x=\"" + Main +
                         "\"><x:si><x:t>&#x4E2D;&#25991; &lt;&amp;&gt;</x:t></x:si>"
                         "<x:si><x:r><x:t><![CDATA[<原样>&amp;]]></x:t></x:r></x:si></x:sst>"});
    parts.push_back({u"xl/worksheets/sheet.xml"_qs,
                     "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n<x:worksheet xmlns:x=\"" + Main +
                         "\"><x:sheetData><x:row r='1'><x:c r='A1' t='s'><x:v>0</x:v></x:c>"
                         "<x:c r=\"B1\" t=\"s\"><!-- second --><x:v> 1 </x:v></x:c>"
                         "<x:c r=\"C1\" t=\"str\"><x:f>\"a\"&amp;\"b\"</x:f><x:v>ab</x:v></x:c>"
                         "<x:c r=\"D1\" t=\"inlineStr\"><x:is><x:t>第一行\r\n第二行</x:t></x:is></x:c>"
                         "</x:row></x:sheetData></x:worksheet>\n"});
    return parts;
}

ZipParts minimalWorkbook(const QByteArray& sheetData, const QByteArray& strings = {})
{
    ZipParts parts;
    parts.push_back(
        {u"_rels/.rels"_qs, relationships(relationship("rId1", "officeDocument", "xl/workbook.xml"))});
    parts.push_back({u"xl/_rels/workbook.xml.rels"_qs,
                     relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml") +
                                   relationship("rId2", "sharedStrings", "sharedStrings.xml"))});
    parts.push_back(
        {u"xl/workbook.xml"_qs, "<workbook xmlns=\"" + Main + "\" xmlns:r=\"" + Rel +
                                    "\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/>"
                                    "</sheets></workbook>"});
    parts.push_back({u"xl/worksheets/sheet1.xml"_qs, worksheet(sheetData)});
    if (!strings.isNull())
        parts.push_back({u"xl/sharedStrings.xml"_qs, "<sst xmlns=\"" + Main + "\">" + strings + "</sst>"});
    return parts;
}

QByteArray cellRow(const QByteArray& cells)
{
    return "<sheetData><row r=\"1\">" + cells + "</row></sheetData>";
}

// libxlsxwriter writes shared strings, or inline strings in its constant-memory mode; formulas
// with the values they gave, booleans as 1 and 0, dates as numbers.
bool writeWithLibxlsxwriter(const QString& path, bool constantMemory)
{
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook* workbook = workbook_new_opt(file.constData(), &options);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_worksheet* second = workbook_add_worksheet(workbook, nullptr);
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);
    format_set_font_color(bold, 0x0000FF);
    worksheet_write_string(sheet, 0, 0, "序号", nullptr);
    worksheet_write_string(sheet, 0, 1, "原文件名", bold);
    worksheet_write_number(sheet, 1, 0, 1, nullptr);
    worksheet_write_string(sheet, 1, 1, "007", nullptr);
    worksheet_write_formula_str(sheet, 1, 2, "=B2&\"号\"", nullptr, "007号");
    worksheet_write_formula_num(sheet, 1, 3, "=A2*2", nullptr, 2);
    worksheet_write_boolean(sheet, 1, 4, 0, nullptr);
    lxw_datetime date{2026, 12, 8, 18, 0, 0};
    worksheet_write_datetime(sheet, 1, 5, &date, nullptr);
    worksheet_write_string(sheet, 1, 6, "😀表情", nullptr);
    if (!constantMemory)
        worksheet_merge_range(sheet, 3, 0, 4, 1, "合并", nullptr);
    worksheet_write_string(second, 0, 0, "第二张", nullptr);
    return workbook_close(workbook) == LXW_NO_ERROR;
}

} // namespace

class TestWorkbookReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsCells_data();
    void readsCells();
    void farCellCostsOneCell();
    void keepsColumnFormats();
    void countsFormulasLeftOut();
    void refusesWithReason_data();
    void refusesWithReason();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    std::map<QString, ImportedTable> m_tables;
};

void TestWorkbookReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeZip(path(u"other.xlsx"_qs), workbookByAnotherApplication()));
    QVERIFY(writeZip(path(u"strict.xlsx"_qs), strictWorkbook()));
    QVERIFY(writeWithLibxlsxwriter(path(u"shared.xlsx"_qs), false));
    QVERIFY(writeWithLibxlsxwriter(path(u"inline.xlsx"_qs), true));
    QVERIFY(writeZip(path(u"prefixed.xlsx"_qs), prefixedWorkbook()));
    // A workbook without the shared strings its relationships name, and no text cell to need them.
    ZipParts withoutStrings = minimalWorkbook(cellRow("<c r=\"A1\"><v>3</v></c>"));
    QVERIFY(writeZip(path(u"nostrings.xlsx"_qs), withoutStrings));
    for (const QString& name :
         {u"other"_qs, u"strict"_qs, u"shared"_qs, u"inline"_qs, u"nostrings"_qs, u"prefixed"_qs}) {
        TableImport imported = importTable(path(name + u".xlsx"_qs));
        QVERIFY2(imported.succeeded(), qPrintable(imported.error));
        m_tables[name] = std::move(imported.table);
    }
}

void TestWorkbookReader::readsCells_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");

    QTest::newRow("shared string") << "other"
                                   << "A1"
                                   << "t:序号";
    QTest::newRow("runs joined, phonetic guide left out, bold red") << "other"
                                                                    << "B1"
                                                                    << "t:原文件名  bold #FF0000";
    QTest::newRow("row without reference follows row 1") << "other"
                                                         << "A2"
                                                         << "n:1";
    QTest::newRow("shared string of digits stays text") << "other"
                                                        << "B2"
                                                        << "t:007";
    QTest::newRow("inline string") << "other"
                                   << "C2"
                                   << "t:新名";
    QTest::newRow("boolean written 1") << "other"
                                       << "D2"
                                       << "b:TRUE";
    QTest::newRow("error value") << "other"
                                 << "E2"
                                 << "e:#N/A";
    QTest::newRow("formula with its text value") << "other"
                                                 << "F2"
                                                 << "t:序号x =A1&\"x\"";
    QTest::newRow("escaped characters decoded once") << "other"
                                                     << "G2"
                                                     << "t:_x0041_ and \r";
    QTest::newRow("number with exponent") << "other"
                                          << "H2"
                                          << "n:1500";
    QTest::newRow("formatted cell without value is no cell") << "other"
                                                             << "I2"
                                                             << "";
    QTest::newRow("boolean written true") << "other"
                                          << "J2"
                                          << "b:TRUE";
    QTest::newRow("boolean written FALSE") << "other"
                                           << "K2"
                                           << "b:FALSE";
    QTest::newRow("shared formula's first cell") << "other"
                                                 << "A3"
                                                 << "n:0.75 =ROW()-2+$J$5";
    QTest::newRow("shared formula one row down") << "other"
                                                 << "A4"
                                                 << "n:1.75 =ROW()-2+$J$5";
    QTest::newRow("shared formula two rows down") << "other"
                                                  << "A5"
                                                  << "n:2.75 =ROW()-2+$J$5";
    QTest::newRow("rich inline string") << "other"
                                        << "B3"
                                        << "t:富文本";
    QTest::newRow("function prefix dropped, text kept") << "other"
                                                        << "C3"
                                                        << "t:富文本_xlfn. =CONCAT(B3,\"_xlfn.\")";
    QTest::newRow("array formula as its text") << "other"
                                               << "D3"
                                               << "n:3.5 =SUM(A3:A4*2)";
    QTest::newRow("array formula's other cell holds its value") << "other"
                                                                << "D4"
                                                                << "n:5.5";
    QTest::newRow("formula on another sheet keeps its value only") << "other"
                                                                   << "E3"
                                                                   << "n:8";
    QTest::newRow("date cell as its serial") << "other"
                                             << "F3"
                                             << "n:46364.75";
    QTest::newRow("date as number stays number") << "other"
                                                 << "G3"
                                                 << "n:46364";
    QTest::newRow("formula giving an error") << "other"
                                             << "H3"
                                             << "e:#DIV/0! =1/0";
    QTest::newRow("merged range's first cell") << "other"
                                               << "I3"
                                               << "t:藏在合并区";
    QTest::newRow("cell covered by a merge is left out") << "other"
                                                         << "J3"
                                                         << "";
    QTest::newRow("shared formula without its first cell keeps its value") << "other"
                                                                           << "B5"
                                                                           << "n:4";
    QTest::newRow("cell further down") << "other"
                                       << "J5"
                                       << "n:-0.25";
    QTest::newRow("last cell of the grid") << "other"
                                           << "XFD1048576"
                                           << "n:7";
    QTest::newRow("nothing of the second sheet") << "other"
                                                 << "A6"
                                                 << "";

    QTest::newRow("strict: shared string") << "strict"
                                           << "B2"
                                           << "t:严格";
    QTest::newRow("strict: number") << "strict"
                                    << "C2"
                                    << "n:2.5";

    for (const char* file : {"shared", "inline"}) {
        const QByteArray tag = QByteArray(file) + ": ";
        QTest::newRow(tag + "header") << file << "A1"
                                      << "t:序号";
        QTest::newRow(tag + "bold blue header") << file << "B1"
                                                << "t:原文件名 bold #0000FF";
        QTest::newRow(tag + "sequence number") << file << "A2"
                                               << "n:1";
        QTest::newRow(tag + "digits stay text") << file << "B2"
                                                << "t:007";
        QTest::newRow(tag + "text formula and value") << file << "C2"
                                                      << "t:007号 =B2&\"号\"";
        QTest::newRow(tag + "number formula and value") << file << "D2"
                                                        << "n:2 =A2*2";
        QTest::newRow(tag + "boolean") << file << "E2"
                                       << "b:FALSE";
        QTest::newRow(tag + "date") << file << "F2"
                                    << "n:46364.75";
        QTest::newRow(tag + "emoji") << file << "G2"
                                     << "t:😀表情";
    }
    QTest::newRow("shared: merged range's value") << "shared"
                                                  << "A4"
                                                  << "t:合并";
    QTest::newRow("shared: merged range's other cells") << "shared"
                                                        << "B5"
                                                        << "";
    QTest::newRow("strings missing, none needed") << "nostrings"
                                                  << "A1"
                                                  << "n:3";
    QTest::newRow("prefixed: character references and entities") << "prefixed"
                                                                 << "A1"
                                                                 << "t:中文 <&>";
    QTest::newRow("prefixed: CDATA in a run, index with blanks") << "prefixed"
                                                                 << "B1"
                                                                 << "t:<原样>&amp;";
    QTest::newRow("prefixed: formula with an entity") << "prefixed"
                                                      << "C1"
                                                      << "t:ab =\"a\"&\"b\"";
    QTest::newRow("prefixed: CR LF read as a line feed") << "prefixed"
                                                         << "D1"
                                                         << "t:第一行\n第二行";
}

void TestWorkbookReader::readsCells()
{
    QFETCH(QString, file);
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    QCOMPARE(describeCell(m_tables.at(file), cell), expected);
}

void TestWorkbookReader::farCellCostsOneCell()
{
    const ImportedTable& table = m_tables.at(u"other"_qs);
    QCOMPARE(table.rowCount(), 1048576);
    QCOMPARE(table.columnCount(), 16384);
    QCOMPARE(table.cells().size(), 27u);
    // Row by row, left to right.
    QVERIFY(std::is_sorted(table.cells().begin(), table.cells().end(), [](const auto& a, const auto& b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    }));
}

void TestWorkbookReader::keepsColumnFormats()
{
    const std::vector<ImportedColumn>& columns = m_tables.at(u"other"_qs).columns();
    QVERIFY(!columns.empty());
    QCOMPARE(columns.front().column, 1);
    QCOMPARE(columns.front().width, std::optional<double>(3));
    QCOMPARE(columns.front().fontSize, std::optional<double>(10));
    QVERIFY(columns.front().text);
    QCOMPARE(columns[1].column, 2);
    QCOMPARE(columns[1].width, std::optional<double>(8.43));
    QCOMPARE(columns[1].fontSize, std::nullopt);
    QVERIFY(!columns[1].text);
    // The range runs to column 1024; it counts up to the last column holding a value.
    QCOMPARE(columns.back().column, 1024);
    QCOMPARE(columns.size(), 1024u);
}

void TestWorkbookReader::countsFormulasLeftOut()
{
    const ImportedTable& table = m_tables.at(u"other"_qs);
    QCOMPARE(table.formulasLeftOut(), 2);
    QCOMPARE(table.firstFormulaLeftOut(), (CellAddress{3, 5}));
}

void TestWorkbookReader::refusesWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // the file's bytes, or empty for the parts
    QTest::addColumn<ZipParts>("parts");
    QTest::addColumn<QString>("damagedPart");
    QTest::addColumn<QString>("reason"); // "@" stands for the file's path

    const auto row = [](const char* name, const ZipParts& parts, const QString& reason) {
        QTest::newRow(name) << u"refused.xlsx"_qs << QByteArray() << parts << QString() << reason;
    };
    const auto cells = [](const QByteArray& cells, const QByteArray& strings = {}) {
        return minimalWorkbook(cellRow(cells), strings);
    };
    QTest::newRow("text named as a workbook")
        << u"refused.xlsx"_qs << QByteArray("序号,原文件名\n") << ZipParts{} << QString()
        << "@ 不是 xlsx 或 ods 工作簿，或者已经损坏";
    row("zip without workbook", {{u"readme.txt"_qs, "hello"}}, "@ 不是 xlsx 或 ods 工作簿，或者已经损坏");
    row("sheet cut off mid-element", minimalWorkbook("<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c"),
        "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    row("cell beyond the last row", cells("<c r=\"A1048577\"><v>1</v></c>"),
        "@ 中的单元格 A1048577 超出了表格的范围（最多 1048576 行、16384 列）");
    row("cell beyond the last column", cells("<c r=\"XFE1\"><v>1</v></c>"),
        "@ 中的单元格 XFE1 超出了表格的范围（最多 1048576 行、16384 列）");
    row("cell without name beyond the last column", cells("<c r=\"XFD1\"><v>1</v></c><c><v>2</v></c>"),
        "@ 中的第 1 行第 16385 列超出了表格的范围（最多 1048576 行、16384 列）");
    row("end tag that does not match", cells("<c r=\"A1\"><v>1</c></v>"),
        "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    row("element inside a value", cells("<c r=\"A1\"><v>1<b/></v></c>"),
        "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    row("entity XML does not define", cells("<c r=\"A1\" t=\"str\"><v>&nbsp;</v></c>"),
        "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    row("attribute without quotes", cells("<c r=A1><v>1</v></c>"),
        "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    ZipParts twoRoots = cells("<c r=\"A1\"><v>1</v></c>");
    twoRoots[3].bytes += "<worksheet/>";
    row("second root element", twoRoots, "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取");
    row("malformed cell name", cells("<c r=\"1A\"><v>1</v></c>"), "工作簿 @ 已损坏：单元格名称“1A”有误");
    row("shared string index out of range", cells("<c r=\"A1\" t=\"s\"><v>1</v></c>", "<si><t>一</t></si>"),
        "工作簿 @ 已损坏：单元格 A1 引用的共享文字（编号 1）不存在");
    row("shared strings missing", cells("<c r=\"B1\" t=\"s\"><v>0</v></c>"),
        "工作簿 @ 已损坏：缺少共享文字部分，单元格 B1 的文字无法读取");
    row("infinite number", cells("<c r=\"A1\"><v>INF</v></c>"),
        "工作簿 @ 已损坏：单元格 A1 的数字“INF”无法识别");
    row("not a number", cells("<c r=\"C1\"><v>NaN</v></c>"),
        "工作簿 @ 已损坏：单元格 C1 的数字“NaN”无法识别");
    row("number beyond a double", cells("<c r=\"A1\"><v>1E999</v></c>"),
        "工作簿 @ 已损坏：单元格 A1 的数字“1E999”无法识别");
    row("boolean neither 1 nor 0", cells("<c r=\"A1\" t=\"b\"><v>yes</v></c>"),
        "工作簿 @ 已损坏：单元格 A1 的逻辑值“yes”无法识别");
    row("date that is none", cells("<c r=\"A1\" t=\"d\"><v>2026-13-01</v></c>"),
        "工作簿 @ 已损坏：单元格 A1 的日期“2026-13-01”无法识别");
    row("shared string longer than a cell holds",
        cells("<c r=\"A1\" t=\"s\"><v>0</v></c>", "<si><t>" + QByteArray(32768, 'x') + "</t></si>"),
        "@ 中一个单元格的文字超过单元格最多 32767 个字符");
    row("inline string longer than a cell holds",
        cells("<c r=\"B1\" t=\"inlineStr\"><is><t>" + QByteArray(32768, 'x') + "</t></is></c>"),
        "@ 中单元格 B1 的文字超过单元格最多 32767 个字符");
    row("entities declared in the sheet",
        {{u"_rels/.rels"_qs, relationships(relationship("rId1", "officeDocument", "xl/workbook.xml"))},
         {u"xl/_rels/workbook.xml.rels"_qs, relationships(relationship("rId1", "worksheet", "sheet.xml"))},
         {u"xl/workbook.xml"_qs,
          "<workbook xmlns:r=\"" + Rel + "\"><sheets><sheet r:id=\"rId1\"/></sheets></workbook>"},
         {u"xl/sheet.xml"_qs,
          "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>"
          "<worksheet><sheetData><row><c t=\"str\"><v>&b;&b;&b;</v></c></row></sheetData>"
          "</worksheet>"}},
        "工作簿 @ 中的 xl/sheet.xml 含有 DOCTYPE 声明，为安全起见不予读取");
    ZipParts stringsWithEntities = cells("<c r=\"A1\" t=\"s\"><v>0</v></c>");
    stringsWithEntities.push_back({u"xl/sharedStrings.xml"_qs,
                                   "<!DOCTYPE sst [<!ENTITY a \"x\">]><sst><si><t>&a;</t>"
                                   "</si></sst>"});
    row("entities declared in the shared strings", stringsWithEntities,
        "工作簿 @ 中的 xl/sharedStrings.xml 含有 DOCTYPE 声明，为安全起见不予读取");
    ZipParts missingSheet = cells({});
    missingSheet.erase(missingSheet.begin() + 3);
    row("sheet part missing", missingSheet, "工作簿 @ 已损坏：缺少其中的 xl/worksheets/sheet1.xml");
    ZipParts bomb = cells({});
    bomb[3] = {u"xl/worksheets/sheet1.xml"_qs, QByteArray(1 << 20, ' '), 20};
    row("sheet unpacking to far more than the file", bomb,
        "工作簿 @ 中的 xl/worksheets/sheet1.xml 解压后过大，不像是正常的表格，已停止读取");
    // Incompressible padding makes the file large enough for a budget beyond a guide part's bound.
    ZipParts relationsBomb = cells({});
    QByteArray padding(256 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < padding.size(); ++i)
        padding[i] = char((i * 7919) >> 3 ^ i * 31);
    relationsBomb[0].bytes.replace("</Relationships>", QByteArray(17 << 20, ' ') + "</Relationships>");
    relationsBomb.push_back({u"padding.bin"_qs, padding, 1, true});
    row("relationships unpacking to more than a guide part takes", relationsBomb,
        "工作簿 @ 中的 _rels/.rels 解压后过大，不像是正常的表格，已停止读取");
    row("first sheet holds nothing", cells("<c r=\"A1\" s=\"0\"/>"), "工作簿 @ 的第一张工作表中没有任何内容");

    ZipParts stored = cells("<c r=\"A1\"><v>1</v></c><c r=\"B1\"><v>2</v></c>");
    stored[3].stored = true;
    QTest::newRow("one byte changed in a stored sheet")
        << u"refused.xlsx"_qs << QByteArray() << stored << u"xl/worksheets/sheet1.xml"_qs
        << "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取";
    ZipParts packed =
        minimalWorkbook(QByteArray("<sheetData>") +
                        QByteArray("<row><c><v>12345</v></c></row>").repeated(200) + "</sheetData>");
    QTest::newRow("one byte changed in a packed sheet")
        << u"refused.xlsx"_qs << QByteArray() << packed << u"xl/worksheets/sheet1.xml"_qs
        << "工作簿 @ 已损坏：其中的 xl/worksheets/sheet1.xml 无法读取";
    ZipParts packedStrings =
        cells("<c r=\"A1\" t=\"s\"><v>0</v></c>", "<si><t>" + QByteArray(4000, 'y') + "</t></si>");
    QTest::newRow("one byte changed in the shared strings")
        << u"refused.xlsx"_qs << QByteArray() << packedStrings << u"xl/sharedStrings.xml"_qs
        << "工作簿 @ 已损坏：其中的 xl/sharedStrings.xml 无法读取";
}

void TestWorkbookReader::refusesWithReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(ZipParts, parts);
    QFETCH(QString, damagedPart);
    QFETCH(QString, reason);

    const QString file = path(name);
    QFile::remove(file);
    QVERIFY(bytes.isEmpty() ? writeZip(file, parts) : writeFile(file, bytes));
    if (!damagedPart.isEmpty())
        QVERIFY(damagePart(file, damagedPart));
    const TableImport imported = importTable(file);
    QCOMPARE(imported.error, reason.replace(u'@', QDir::toNativeSeparators(file)));
    QVERIFY(imported.table.isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkbookReader)
#include "tst_workbookreader.moc"
