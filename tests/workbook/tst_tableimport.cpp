#include "ZipFiles.h"
#include "workbook/TableImport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ZipParts)

namespace {

// A compound document with a directory entry of the given stream name, past a first sector.
QByteArray compoundDocument(const QString& streamName)
{
    QByteArray bytes("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    bytes += QByteArray(2048, '\0');
    for (QChar c : streamName)
        bytes += QByteArray(reinterpret_cast<const char*>(&c), 2);
    return bytes + QByteArray(4096, '\0');
}

} // namespace

// Files that are no table to import, told apart by what they are.
class TestTableImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refusesWithReason_data();
    void refusesWithReason();
    void missingFile();
    void folder();

private:
    QTemporaryDir m_dir;
};

void TestTableImport::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestTableImport::refusesWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // the file's bytes, or empty for the parts
    QTest::addColumn<ZipParts>("parts");
    QTest::addColumn<QString>("reason"); // "@" stands for the file's path

    QTest::newRow("workbook with a password")
        << "密码.xlsx" << compoundDocument(u"EncryptionInfo"_qs) << ZipParts{}
        << "工作簿 @ 设有打开密码，请先在 Excel 或 WPS 中取消密码并保存，再导入";
    QTest::newRow("old workbook")
        << "旧表.xls" << compoundDocument(u"Workbook"_qs) << ZipParts{}
        << "@ 是旧版 .xls 格式的工作簿，请先在 Excel 或 WPS 中另存为 .xlsx 格式，再导入";
    QTest::newRow("old workbook named as a new one")
        << "旧表.xlsx" << compoundDocument(u"Workbook"_qs) << ZipParts{}
        << "@ 是旧版 .xls 格式的工作簿，请先在 Excel 或 WPS 中另存为 .xlsx 格式，再导入";
    QTest::newRow("text named as an .ods")
        << "a.ods" << QByteArray("a,b") << ZipParts{} << "@ 不是 xlsx 或 ods 工作簿，或者已经损坏";
    QTest::newRow("OpenDocument text")
        << "a.odt" << QByteArray()
        << ZipParts{{u"mimetype"_qs, "application/vnd.oasis.opendocument.text", 1, true},
                    {u"content.xml"_qs, "<office:document-content/>"}}
        << "@ 不是 xlsx 或 ods 工作簿，或者已经损坏";
    QTest::newRow("Word document")
        << "a.docx" << QByteArray()
        << ZipParts{{u"_rels/.rels"_qs,
                     "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                     "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                     "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
                    {u"word/document.xml"_qs, "<w:document xmlns:w=\"urn:w\"><w:body/></w:document>"}}
        << "@ 不是 xlsx 或 ods 工作簿，或者已经损坏";
    QTest::newRow("zip cut short") << "cut.xlsx" << QByteArray("PK\x03\x04\x14\0\0\0", 8) << ZipParts{}
                                   << "@ 不是 xlsx 或 ods 工作簿，或者已经损坏";
}

void TestTableImport::refusesWithReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(ZipParts, parts);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(name);
    QVERIFY(bytes.isEmpty() ? writeZip(path, parts) : writeFile(path, bytes));
    const TableImport imported = importTable(path);
    QCOMPARE(imported.error, reason.replace(u'@', QDir::toNativeSeparators(path)));
    QVERIFY(!imported.succeeded());
}

void TestTableImport::missingFile()
{
    const QString path = m_dir.filePath(u"不在.csv"_qs);
    QCOMPARE(importTable(path).error, u"找不到文件 "_qs + QDir::toNativeSeparators(path));
}

void TestTableImport::folder()
{
    QCOMPARE(importTable(m_dir.path()).error, u"无法读取文件 "_qs + QDir::toNativeSeparators(m_dir.path()) +
                                                  u"：它不是普通文件，或者没有读取它的权限"_qs);
}

QTEST_GUILESS_MAIN(TestTableImport)
#include "tst_tableimport.moc"
