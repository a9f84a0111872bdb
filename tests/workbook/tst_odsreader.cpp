#include "CellDescription.h"
#include "ZipFiles.h"
#include "workbook/TableImport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Namespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:number=\"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0\""
    " xmlns:calcext=\"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0\"";

QByteArray content(const QByteArray& tables, const QByteArray& styles = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content" + Namespaces +
           " office:version=\"1.3\"><office:automatic-styles>" + styles +
           "</office:automatic-styles><office:body><office:spreadsheet>" + tables +
           "</office:spreadsheet></office:body></office:document-content>";
}

QByteArray table(const QByteArray& rows)
{
    return "<table:table table:name=\"表1\">" + rows + "</table:table>";
}

QByteArray manifest(const QByteArray& contentEntry)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><manifest:manifest "
           "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.3\">"
           "<manifest:file-entry manifest:full-path=\"/\" "
           "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>" +
           contentEntry + "</manifest:manifest>";
}

ZipParts spreadsheet(const QByteArray& contentXml, const QByteArray& contentEntry = {})
{
    return {{u"mimetype"_qs, "application/vnd.oasis.opendocument.spreadsheet", 1, true},
            {u"META-INF/manifest.xml"_qs, manifest(contentEntry)},
            {u"content.xml"_qs, contentXml}};
}

// A sheet as LibreOffice writes it: a header row among header rows, values of every type, text
// with runs of spaces and line breaks, repeated rows and cells, a merged cell over one that
// still holds text, formulas with the values they gave, and empty rows and columns to the
// grid's end.
QByteArray libreOfficeContent()
{
    const QByteArray styles =
        "<style:style style:name=\"co1\" style:family=\"table-column\">"
        "<style:table-column-properties style:column-width=\"2.258cm\"/></style:style>"
        "<style:style style:name=\"ce1\" style:family=\"table-cell\">"
        "<style:text-properties fo:font-weight=\"bold\" fo:color=\"#ff0000\"/></style:style>"
        "<number:text-style style:name=\"N100\"><number:text-content/></number:text-style>"
        "<style:style style:name=\"ce2\" style:family=\"table-cell\" style:data-style-name=\"N100\"/>";
    const QByteArray first = table(
        "<table:table-column table:style-name=\"co1\" table:default-cell-style-name=\"ce2\"/>"
        "<table:table-column table:number-columns-repeated=\"16383\"/>"
        "<table:table-header-rows><table:table-row>"
        "<table:table-cell office:value-type=\"string\" "
        "table:style-name=\"ce1\"><text:p>序号</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"string\"><text:p>a<text:s "
        "text:c=\"3\"/>b<text:tab/>c<text:line-break/>"
        "d<text:span text:style-name=\"T1\">e<text:note><text:note-body><text:p>注</text:p></text:note-body>"
        "</text:note></text:span></text:p><text:p>第二段</text:p></table:table-cell>"
        "<table:table-cell table:number-columns-repeated=\"16382\"/>"
        "</table:table-row></table:table-header-rows>"
        "<table:table-row>"
        "<table:table-cell office:value-type=\"float\" "
        "office:value=\"1\"><text:p>1</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"percentage\" office:value=\"0.125\"><text:p>12.50%</text:p>"
        "</table:table-cell>"
        "<table:table-cell office:value-type=\"currency\" office:currency=\"CNY\" office:value=\"12.5\">"
        "<text:p>¥12.50</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"date\" "
        "office:date-value=\"2026-12-08\"><text:p>2026/12/8</text:p>"
        "</table:table-cell>"
        "<table:table-cell office:value-type=\"date\" office:date-value=\"2026-12-08T18:00:00\"/>"
        "<table:table-cell office:value-type=\"time\" office:time-value=\"PT18H00M00S\"/>"
        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"><text:p>TRUE</text:p>"
        "</table:table-cell>"
        "<table:table-cell office:value-type=\"string\"><text:p>007</text:p></table:table-cell>"
        "<table:table-cell table:formula=\"of:=[.H2]&amp;&quot;x&quot;\" office:value-type=\"string\" "
        "office:string-value=\"007x\" calcext:value-type=\"string\"><text:p>007x</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"string\" office:string-value=\"属性里的文字\"/>"
        "</table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\">"
        "<table:table-cell office:value-type=\"string\" "
        "table:number-columns-repeated=\"3\"><text:p>同</text:p>"
        "</table:table-cell></table:table-row>"
        "<table:table-row-group><table:table-row>"
        "<table:table-cell table:number-columns-spanned=\"2\" table:number-rows-spanned=\"2\" "
        "office:value-type=\"string\"><text:p>合并</text:p></table:table-cell>"
        "<table:covered-table-cell "
        "office:value-type=\"string\"><text:p>藏</text:p></table:covered-table-cell>"
        "<table:table-cell table:formula=\"of:=1/0\" office:value-type=\"float\" office:value=\"0\" "
        "calcext:value-type=\"error\"><text:p>#DIV/0!</text:p></table:table-cell>"
        "<table:table-cell table:formula=\"of:=[$Sheet2.A1]\" office:value-type=\"float\" "
        "office:value=\"3\"/>"
        "<table:table-cell table:formula=\"of:=IF([.A2]&gt;0;TRUE();FALSE())\" office:value-type=\"boolean\" "
        "office:boolean-value=\"true\"/>"
        "<table:table-cell table:formula=\"of:=SUM([.$A$2:.B3])\" office:value-type=\"float\" "
        "office:value=\"1.125\"/>"
        "</table:table-row></table:table-row-group>"
        "<table:table-row table:number-rows-repeated=\"1048571\">"
        "<table:table-cell table:number-columns-repeated=\"16384\"/></table:table-row>");
    const QByteArray second = "<table:table table:name=\"表2\"><table:table-row><table:table-cell "
                              "office:value-type=\"string\"><text:p>不该读到</text:p></table:table-cell>"
                              "</table:table-row></table:table>";
    return content(first + second, styles);
}

QByteArray oneRow(const QByteArray& cells)
{
    return content(table("<table:table-row>" + cells + "</table:table-row>"));
}

} // namespace

class TestOdsReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsCells_data();
    void readsCells();
    void repeatsCostOnlyTheirCells();
    void keepsColumnFormats();
    void refusesWithReason_data();
    void refusesWithReason();

private:
    QTemporaryDir m_dir;
    ImportedTable m_table;
};

void TestOdsReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(u"libreoffice.ods"_qs);
    QVERIFY(writeZip(path, spreadsheet(libreOfficeContent())));
    TableImport imported = importTable(path);
    QVERIFY2(imported.succeeded(), qPrintable(imported.error));
    m_table = std::move(imported.table);
}

void TestOdsReader::readsCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bold red header") << "A1"
                                     << "t:序号 bold #FF0000";
    QTest::newRow("spaces, tab, line break, span; note left out; paragraphs on lines")
        << "B1"
        << "t:a   b\tc\nde\n第二段";
    QTest::newRow("float") << "A2"
                           << "n:1";
    QTest::newRow("percentage as its fraction") << "B2"
                                                << "n:0.125";
    QTest::newRow("currency as its amount") << "C2"
                                            << "n:12.5";
    QTest::newRow("date as its serial") << "D2"
                                        << "n:46364";
    QTest::newRow("date and time as its serial") << "E2"
                                                 << "n:46364.75";
    QTest::newRow("time as a fraction of a day") << "F2"
                                                 << "n:0.75";
    QTest::newRow("boolean") << "G2"
                             << "b:TRUE";
    QTest::newRow("digits stay text") << "H2"
                                      << "t:007";
    QTest::newRow("formula in the program's syntax with its value") << "I2"
                                                                    << "t:007x =H2&\"x\"";
    QTest::newRow("text held in the attribute") << "J2"
                                                << "t:属性里的文字";
    QTest::newRow("repeated cell, first") << "A3"
                                          << "t:同";
    QTest::newRow("repeated cell, third") << "C3"
                                          << "t:同";
    QTest::newRow("repeated row") << "C4"
                                  << "t:同";
    QTest::newRow("past the repeated cells") << "D4"
                                             << "";
    QTest::newRow("merged cell in a row group") << "A5"
                                                << "t:合并";
    QTest::newRow("covered cell's text left out") << "B5"
                                                  << "";
    QTest::newRow("formula's error") << "C5"
                                     << "e:#DIV/0! =1/0";
    QTest::newRow("formula on another sheet keeps its value only") << "D5"
                                                                   << "n:3";
    QTest::newRow("TRUE() and FALSE() as constants, ; as ,") << "E5"
                                                             << "b:TRUE =IF(A2>0,TRUE,FALSE)";
    QTest::newRow("absolute range") << "F5"
                                    << "n:1.125 =SUM($A$2:B3)";
    QTest::newRow("nothing of the second table") << "A6"
                                                 << "";
}

void TestOdsReader::readsCells()
{
    QFETCH(QString, cell);
    QFETCH(QString, expected);
    QCOMPARE(describeCell(m_table, cell), expected);
}

void TestOdsReader::repeatsCostOnlyTheirCells()
{
    // Rows and columns repeated to the grid's end hold nothing and take nothing.
    QCOMPARE(m_table.cells().size(), 23u);
    QCOMPARE(m_table.rowCount(), 5);
    QCOMPARE(m_table.formulasLeftOut(), 1);
    QCOMPARE(m_table.firstFormulaLeftOut(), (CellAddress{5, 4}));
}

void TestOdsReader::keepsColumnFormats()
{
    // 2.258 cm, LibreOffice's default width, is 85 pixels; the first column's cells keep text.
    QCOMPARE(m_table.columns().size(), 1u);
    QCOMPARE(m_table.columns().front().column, 1);
    QCOMPARE(m_table.columns().front().width, std::optional<double>(11.43));
    QVERIFY(m_table.columns().front().text);
}

void TestOdsReader::refusesWithReason_data()
{
    QTest::addColumn<ZipParts>("parts");
    QTest::addColumn<QString>("reason"); // "@" stands for the file's path

    const QByteArray text = "office:value-type=\"string\"><text:p>x</text:p></table:table-cell>";
    QTest::newRow("non-empty cell repeated over the whole grid")
        << spreadsheet(content(table("<table:table-row table:number-rows-repeated=\"1048576\">"
                                     "<table:table-cell table:number-columns-repeated=\"16384\" " +
                                     text + "</table:table-row>")))
        << "@ 中有内容的单元格超过 2000 万个，太多了，无法导入";
    QTest::newRow("non-empty cell repeated past the last column")
        << spreadsheet(oneRow("<table:table-cell table:number-columns-repeated=\"16380\"/>"
                              "<table:table-cell table:number-columns-repeated=\"5\" " +
                              text))
        << "@ 中的第 1 行第 16385 列超出了表格的范围（最多 1048576 行、16384 列）";
    QTest::newRow("non-empty row past the last row")
        << spreadsheet(content(table("<table:table-row table:number-rows-repeated=\"1048576\"/>"
                                     "<table:table-row><table:table-cell " +
                                     text + "</table:table-row>")))
        << "@ 中的第 1048577 行第 1 列超出了表格的范围（最多 1048576 行、16384 列）";
    QTest::newRow("number that is none")
        << spreadsheet(oneRow("<table:table-cell office:value-type=\"float\" office:value=\"abc\"/>"))
        << "工作簿 @ 已损坏：单元格 A1 的数值“abc”无法识别";
    QTest::newRow("date that is none")
        << spreadsheet(oneRow("<table:table-cell/><table:table-cell office:value-type=\"date\" "
                              "office:date-value=\"2026-02-30\"/>"))
        << "工作簿 @ 已损坏：单元格 B1 的数值“2026-02-30”无法识别";
    QTest::newRow("spaces past a cell's length")
        << spreadsheet(
               oneRow("<table:table-cell office:value-type=\"string\"><text:p><text:s text:c=\"40000\"/>"
                      "</text:p></table:table-cell>"))
        << "@ 中单元格 A1 的文字超过单元格最多 32767 个字符";
    QTest::newRow("entities declared")
        << spreadsheet("<!DOCTYPE office:document-content [<!ENTITY a \"aaaa\">]>" +
                       oneRow("<table:table-cell/>"))
        << "工作簿 @ 中的 content.xml 含有 DOCTYPE 声明，为安全起见不予读取";
    QTest::newRow("encrypted")
        << spreadsheet(
               "\x8f\x12\x00\x55",
               "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
               "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\"/></manifest:file-entry>")
        << "工作簿 @ 设有打开密码，请先在 Excel 或 WPS 中取消密码并保存，再导入";
    ZipParts withoutContent = spreadsheet({});
    withoutContent.pop_back();
    QTest::newRow("content missing") << withoutContent << "工作簿 @ 已损坏：缺少其中的 content.xml";
    const QByteArray whole = oneRow("<table:table-cell office:value-type=\"float\" office:value=\"1\"/>");
    QTest::newRow("content cut short") << spreadsheet(whole.left(whole.indexOf("</table:table-row>")))
                                       << "工作簿 @ 已损坏：其中的 content.xml 无法读取";
    QTest::newRow("only empty cells")
        << spreadsheet(oneRow("<table:table-cell table:number-columns-repeated=\"9\"/>"))
        << "工作簿 @ 的第一张工作表中没有任何内容";
}

void TestOdsReader::refusesWithReason()
{
    QFETCH(ZipParts, parts);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(u"refused.ods"_qs);
    QFile::remove(path);
    QVERIFY(writeZip(path, parts));
    const TableImport imported = importTable(path);
    QCOMPARE(imported.error, reason.replace(u'@', QDir::toNativeSeparators(path)));
}

QTEST_GUILESS_MAIN(TestOdsReader)
#include "tst_odsreader.moc"
