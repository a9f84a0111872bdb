#include "table/Sheet.h"
#include "workbook/WorkbookReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

#include <map>

using Value = Sheet::Value;
Q_DECLARE_METATYPE(Value)

namespace {

using Parts = std::map<QString, QByteArray>;

bool writeZip(const QString& path, const Parts& parts)
{
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool written = true;
    for (const auto& [name, bytes] : parts) {
        zip_fileinfo info{};
        written = written &&
                  zipOpenNewFileInZip64(zip, name.toUtf8().constData(), &info, nullptr, 0, nullptr, 0,
                                        nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0) == ZIP_OK &&
                  zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size())) == ZIP_OK &&
                  zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && written;
}

const QByteArray Main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const QByteArray Rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

QByteArray relationships(const QByteArray& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           entries + "</Relationships>";
}

QByteArray relationship(const QByteArray& id, const QByteArray& kind, const QByteArray& target)
{
    return "<Relationship Id=\"" + id + "\" Type=\"" + Rel + '/' + kind + "\" Target=\"" + target + "\"/>";
}

QByteArray worksheet(const QByteArray& content)
{
    return "<worksheet xmlns=\"" + Main + "\">" + content + "</worksheet>";
}

// A workbook as other applications write it: parts under their own names, the first sheet
// not the first part, shared strings with runs and phonetic guides, rows and cells without
// references, and fonts in differential formats that cells do not use.
Parts workbookByAnotherApplication()
{
    Parts parts;
    parts[u"_rels/.rels"_qs] = relationships(relationship("rId1", "officeDocument", "xl/book.xml"));
    parts[u"xl/_rels/book.xml.rels"_qs] =
        relationships(relationship("rId7", "worksheet", "sheets/zweite.xml") +
                      relationship("rId3", "worksheet", "/xl/sheets/erste.xml") +
                      relationship("rId1", "sharedStrings", "strings.xml") +
                      relationship("rId2", "styles", "styles.xml") + "<Relationship Id=\"rId9\" Type=\"" +
                      Rel + "/hyperlink\" Target=\"http://example.com/\" TargetMode=\"External\"/>");
    parts[u"xl/book.xml"_qs] = "<workbook xmlns=\"" + Main + "\" xmlns:rel=\"" + Rel +
                               "\"><sheets><sheet name=\"表一\" sheetId=\"1\" rel:id=\"rId3\"/>"
                               "<sheet name=\"表二\" sheetId=\"2\" rel:id=\"rId7\"/></sheets></workbook>";
    parts[u"xl/strings.xml"_qs] =
        "<sst xmlns=\"" + Main +
        "\">"
        "<si><t>序号</t></si>"
        "<si><r><rPr><b/></rPr><t>原文</t></r><r><t xml:space=\"preserve\">件名 </t></r>"
        "<rPh sb=\"0\" eb=\"2\"><t>ゲンブン</t></rPh></si>"
        "<si><t>007</t></si>"
        "<si><t>_x005F_x0041_ and _x000D_</t></si>"
        "</sst>";
    parts[u"xl/styles.xml"_qs] = "<styleSheet xmlns=\"" + Main +
                                 "\">"
                                 "<fonts><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
                                 "<font><b/><sz val=\"11\"/><color rgb=\"FFFF0000\"/></font>"
                                 "<font><sz val=\"10\"/><color theme=\"1\"/></font></fonts>"
                                 "<cellStyleXfs><xf fontId=\"1\"/></cellStyleXfs>"
                                 "<cellXfs><xf numFmtId=\"0\" fontId=\"0\"/><xf numFmtId=\"0\" fontId=\"1\"/>"
                                 "<xf numFmtId=\"49\" fontId=\"2\"/></cellXfs>"
                                 "<dxfs><dxf><font><b/><color rgb=\"FF00FF00\"/></font></dxf></dxfs>"
                                 "</styleSheet>";
    parts[u"xl/sheets/erste.xml"_qs] = worksheet(
        "<cols><col min=\"1\" max=\"1\" width=\"3.7109375\" customWidth=\"1\" style=\"2\"/>"
        "<col min=\"2\" max=\"1024\" width=\"9.140625\"/></cols><sheetData>"
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\" s=\"1\"><v>1</v></c></row>"
        "<row><c><v>1</v></c><c t=\"s\"><v>2</v></c><c t=\"inlineStr\"><is><t>新名</t></is></c>"
        "<c t=\"b\"><v>1</v></c><c t=\"e\"><v>#N/A</v></c><c t=\"str\"><f>A1&amp;\"x\"</f><v>公式结果</v></c>"
        "<c t=\"s\"><v>3</v></c><c><v>1.5E+3</v></c><c s=\"2\"/></row>"
        "<row r=\"5\"><c r=\"J5\" t=\"n\"><v>-0.25</v></c></row>"
        "</sheetData>");
    parts[u"xl/sheets/zweite.xml"_qs] = worksheet(
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>不该读到</t></is></c></row></sheetData>");
    return parts;
}

Parts minimalWorkbook(const QByteArray& sheetData)
{
    Parts parts;
    parts[u"_rels/.rels"_qs] = relationships(relationship("rId1", "officeDocument", "xl/workbook.xml"));
    parts[u"xl/_rels/workbook.xml.rels"_qs] =
        relationships(relationship("rId1", "worksheet", "worksheets/sheet1.xml"));
    parts[u"xl/workbook.xml"_qs] =
        "<workbook xmlns=\"" + Main + "\" xmlns:r=\"" + Rel +
        "\"><sheets><sheet name=\"Sheet1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    parts[u"xl/worksheets/sheet1.xml"_qs] = worksheet(sheetData);
    return parts;
}

} // namespace

Q_DECLARE_METATYPE(Parts)

class TestWorkbookReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsTheFirstSheet_data();
    void readsTheFirstSheet();
    void readsCellAndColumnFormats();
    void refusesWithReasonAndKeepsTheSheet_data();
    void refusesWithReasonAndKeepsTheSheet();

private:
    QTemporaryDir m_dir;
    Sheet m_sheet;
};

void TestWorkbookReader::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(u"other.xlsx"_qs);
    QVERIFY(writeZip(path, workbookByAnotherApplication()));
    WorkbookReader reader;
    QVERIFY2(reader.read(path, m_sheet), qPrintable(reader.errorString()));
}

void TestWorkbookReader::readsTheFirstSheet_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<Value>("expected");

    QTest::newRow("shared string") << "A1" << Value(u"序号"_qs);
    QTest::newRow("runs joined, phonetic guide left out") << "B1" << Value(u"原文件名 "_qs);
    QTest::newRow("row without reference follows row 1") << "A2" << Value(1.0);
    QTest::newRow("shared string of digits stays text") << "B2" << Value(u"007"_qs);
    QTest::newRow("inline string") << "C2" << Value(u"新名"_qs);
    QTest::newRow("boolean as a spreadsheet shows it") << "D2" << Value(u"TRUE"_qs);
    QTest::newRow("error value as text") << "E2" << Value(u"#N/A"_qs);
    QTest::newRow("formula's text result") << "F2" << Value(u"公式结果"_qs);
    QTest::newRow("escaped characters decoded once") << "G2" << Value(u"_x0041_ and \r"_qs);
    QTest::newRow("number with exponent") << "H2" << Value(1500.0);
    QTest::newRow("formatted cell without value is empty") << "I2" << Value();
    QTest::newRow("referenced cell further down") << "J5" << Value(-0.25);
    QTest::newRow("nothing of the second sheet") << "A3" << Value();
}

void TestWorkbookReader::readsTheFirstSheet()
{
    QFETCH(QString, cell);
    QFETCH(Value, expected);
    const int column = cell.at(0).unicode() - u'A' + 1;
    const qsizetype row = cell.mid(1).toLongLong();
    QCOMPARE(m_sheet.value(row, column).index(), expected.index());
    QVERIFY(m_sheet.value(row, column) == expected);
}

void TestWorkbookReader::readsCellAndColumnFormats()
{
    QVERIFY(m_sheet.isBold(1, Sheet::B));
    QCOMPARE(m_sheet.color(1, Sheet::B), std::optional<Sheet::Rgb>(0xFF0000));
    QVERIFY(!m_sheet.isBold(1, Sheet::A));
    QCOMPARE(m_sheet.color(1, Sheet::A), std::nullopt);
    // Cells of the text-formatted style carry no bold from the differential formats.
    QVERIFY(!m_sheet.isBold(2, Sheet::I));

    QCOMPARE(m_sheet.columnWidth(Sheet::A), std::optional<double>(3));
    QCOMPARE(m_sheet.fontSize(Sheet::A), 10.0);
    QVERIFY(m_sheet.hasColumnTextFormat(Sheet::A));
    QCOMPARE(m_sheet.columnWidth(Sheet::B), std::optional<double>(8.43));
    QCOMPARE(m_sheet.fontSize(Sheet::B), 11.0);
    QVERIFY(!m_sheet.hasColumnTextFormat(Sheet::B));
    QCOMPARE(m_sheet.columnWidth(Sheet::J), std::optional<double>(8.43));
    // The range runs to column 1024; columns beyond the last one with a value are left alone.
    QCOMPARE(m_sheet.columnWidth(Sheet::K), std::nullopt);
}

void TestWorkbookReader::refusesWithReasonAndKeepsTheSheet_data()
{
    QTest::addColumn<QByteArray>("file"); // "zip" for the parts below, else the file's bytes
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<QString>("reason"); // "@" stands for the file's path

    QTest::newRow("not a zip") << QByteArray("序号,原文件名\n") << Parts{}
                               << "无法打开 @：它不是 xlsx 工作簿，或者已经损坏";
    QTest::newRow("zip without workbook") << QByteArray("zip") << Parts{{u"readme.txt"_qs, "hello"}}
                                          << "@ 不是完整的 xlsx 工作簿（缺少 工作簿部分）";
    QTest::newRow("sheet cut off mid-element")
        << QByteArray("zip") << minimalWorkbook("<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c")
        << "工作簿 @ 已损坏，无法读取其中的 xl/worksheets/sheet1.xml";
    QTest::newRow("cell beyond the last row")
        << QByteArray("zip")
        << minimalWorkbook("<sheetData><row><c r=\"A1048577\"><v>1</v></c></row></sheetData>")
        << "工作簿 @ 已损坏，无法读取其中的 xl/worksheets/sheet1.xml";
}

void TestWorkbookReader::refusesWithReasonAndKeepsTheSheet()
{
    QFETCH(QByteArray, file);
    QFETCH(Parts, parts);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(u"refused.xlsx"_qs);
    QFile::remove(path);
    if (file == "zip") {
        QVERIFY(writeZip(path, parts));
    } else {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    Sheet sheet;
    sheet.setText(1, Sheet::A, u"原有"_qs);
    sheet.setNumber(2, Sheet::A, 1);

    WorkbookReader reader;
    QVERIFY(!reader.read(path, sheet));
    QCOMPARE(reader.errorString(), reason.replace(u'@', path));
    QCOMPARE(sheet.usedRowCount(), 2);
    QCOMPARE(sheet.text(1, Sheet::A), u"原有"_qs);
    QCOMPARE(sheet.usedColumnCount(), 1);
}

QTEST_GUILESS_MAIN(TestWorkbookReader)
#include "tst_workbookreader.moc"
