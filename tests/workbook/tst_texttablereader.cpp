#include "CellDescription.h"
#include "ZipFiles.h"
#include "workbook/TableImport.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding, bool mark)
{
    QStringEncoder encoder(encoding,
                           mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QByteArray gb18030(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

const QString Exported = u"序号,原文件名,新文件名\r\n1,007,\"a,b\"\r\n2,春节 合影,=A2&\"x\"\r\n"_qs;

} // namespace

// Text tables as spreadsheet applications save them, read back field by field.
class TestTextTableReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void readsFields_data();
    void readsFields();
    void readsAcrossPieces();
    void refusesWithReason_data();
    void refusesWithReason();
    void refusesFileOverAGibibyteUnread();

private:
    QTemporaryDir m_dir;
};

void TestTextTableReader::initTestCase()
{
    QVERIFY(QStringDecoder("GB18030").isValid());
    QVERIFY(m_dir.isValid());
}

void TestTextTableReader::readsFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("cells");    // cell names
    QTest::addColumn<QStringList>("expected"); // their descriptions

    const QByteArray utf8 = Exported.toUtf8();
    const QStringList exportedCells{u"A1"_qs, u"B1"_qs, u"A2"_qs, u"B2"_qs, u"C2"_qs,
                                    u"A3"_qs, u"B3"_qs, u"C3"_qs, u"D3"_qs};
    const QStringList exportedValues{u"t:序号"_qs,      u"t:原文件名"_qs,  u"n:1"_qs,
                                     u"t:007"_qs,       u"t:a,b"_qs,       u"n:2"_qs,
                                     u"t:春节 合影"_qs, u"t:=A2&\"x\""_qs, QString()};
    QTest::newRow("UTF-8 without mark") << "utf8.csv" << utf8 << exportedCells << exportedValues;
    QTest::newRow("UTF-8 with mark") << "bom.csv"
                                     << "\xEF\xBB\xBF" + utf8 << exportedCells << exportedValues;
    QTest::newRow("GB18030") << "gbk.csv" << gb18030(Exported) << exportedCells << exportedValues;
    QTest::newRow("UTF-16 LE with mark, tabs, as Excel's Unicode text")
        << "unicode.txt" << encoded(u"序号\t原文件名\r\n1\t😀,笑脸\r\n"_qs, QStringConverter::Utf16LE, true)
        << QStringList{u"A1"_qs, u"B2"_qs, u"A2"_qs} << QStringList{u"t:序号"_qs, u"t:😀,笑脸"_qs, u"n:1"_qs};
    QTest::newRow("UTF-16 BE with mark")
        << "be.txt" << encoded(u"名\t值\n甲\t乙"_qs, QStringConverter::Utf16BE, true)
        << QStringList{u"A1"_qs, u"B2"_qs} << QStringList{u"t:名"_qs, u"t:乙"_qs};
    QTest::newRow("GB18030, semicolons, a quoted line break, no last break")
        << "semicolon.csv" << gb18030(u"序号;原文件名\r\n1;\"第一行\r\n第二行\"\r\n2;\"含;分号,逗号\""_qs)
        << QStringList{u"B2"_qs, u"B3"_qs, u"A3"_qs, u"B4"_qs}
        << QStringList{u"t:第一行\r\n第二行"_qs, u"t:含;分号,逗号"_qs, u"n:2"_qs, QString()};
    QTest::newRow("tabs beat commas inside names")
        << "names.tsv" << QByteArray("序号\t名\n1\ta,b,c\n2\td,e\n") << QStringList{u"B2"_qs, u"B3"_qs}
        << QStringList{u"t:a,b,c"_qs, u"t:d,e"_qs};
    QTest::newRow("only the first column's plain whole numbers are numbers")
        << "numbers.csv" << QByteArray("12,12\n012,1.5\n1.0,-3\n-1,0\n0,\n1234567890123456,x\n 7,x\n")
        << QStringList{u"A1"_qs, u"B1"_qs, u"A2"_qs, u"B2"_qs, u"A3"_qs,
                       u"B3"_qs, u"A4"_qs, u"A5"_qs, u"A6"_qs, u"A7"_qs}
        << QStringList{u"n:12"_qs,  u"t:12"_qs,  u"t:012"_qs,
                       u"t:1.5"_qs, u"t:1.0"_qs, u"t:-3"_qs,
                       u"t:-1"_qs,  u"n:0"_qs,   u"t:1234567890123456"_qs,
                       u"t: 7"_qs};
    QTest::newRow("quotes as spreadsheets read them")
        << "quotes.csv" << QByteArray("\"ab\"c,ab\"c,\"\",\"say \"\"hi\"\"\", \"x\"\n")
        << QStringList{u"A1"_qs, u"B1"_qs, u"C1"_qs, u"D1"_qs, u"E1"_qs}
        << QStringList{u"t:abc"_qs, u"t:ab\"c"_qs, QString(), u"t:say \"hi\""_qs, u"t: \"x\""_qs};
    QTest::newRow("quote left open takes the rest")
        << "open.csv" << QByteArray("a,\"b\nc,d") << QStringList{u"B1"_qs, u"A2"_qs}
        << QStringList{u"t:b\nc,d"_qs, QString()};
    QTest::newRow("empty line is an empty row; CR alone ends a line")
        << "lines.csv" << QByteArray("a\n\nb\rc\r\n") << QStringList{u"A1"_qs, u"A2"_qs, u"A3"_qs, u"A4"_qs}
        << QStringList{u"t:a"_qs, QString(), u"t:b"_qs, u"t:c"_qs};
    QTest::newRow("one column") << "list.txt" << QByteArray("甲\n乙\n") << QStringList{u"A2"_qs, u"B1"_qs}
                                << QStringList{u"t:乙"_qs, QString()};
}

void TestTextTableReader::readsFields()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, expected);

    const QString path = m_dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    const TableImport imported = importTable(path);
    QVERIFY2(imported.succeeded(), qPrintable(imported.error));
    for (qsizetype i = 0; i < cells.size(); ++i)
        QCOMPARE(describeCell(imported.table, cells[i]), expected[i]);
}

void TestTextTableReader::readsAcrossPieces()
{
    // Well over the pieces the file is decoded in, a quoted field across every boundary.
    QString text;
    for (int row = 1; row <= 40000; ++row)
        text += QStringLiteral("%1,名字%1,\"第%1行\n续\"\n").arg(row);
    for (const auto& [name, bytes] :
         {std::pair(u"big-utf8.csv"_qs, text.toUtf8()), std::pair(u"big-gb.csv"_qs, gb18030(text)),
          std::pair(u"big-utf16.csv"_qs, encoded(text, QStringConverter::Utf16LE, true))}) {
        QVERIFY(bytes.size() > 1 << 20);
        const QString path = m_dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
        const TableImport imported = importTable(path);
        QVERIFY2(imported.succeeded(), qPrintable(imported.error));
        QCOMPARE(imported.table.cells().size(), 120000u);
        QCOMPARE(describeCell(imported.table, u"A40000"_qs), u"n:40000"_qs);
        QCOMPARE(describeCell(imported.table, u"B40000"_qs), u"t:名字40000"_qs);
        QCOMPARE(describeCell(imported.table, u"C23456"_qs), u"t:第23456行\n续"_qs);
    }
}

void TestTextTableReader::refusesWithReason_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // "@" stands for the file's path

    QTest::newRow("empty file") << "empty.csv" << QByteArray() << "文件 @ 是空的";
    QTest::newRow("separators only") << "commas.csv" << QByteArray(",,\r\n,\r\n\r\n")
                                     << "文件 @ 中没有任何内容";
    QTest::newRow("mark only") << "mark.csv" << QByteArray("\xEF\xBB\xBF") << "文件 @ 中没有任何内容";
    QTest::newRow("picture") << "picture.csv" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                             << "文件 @ 不是表格：它既不是工作簿，也不是 csv 等文本表格";
    QTest::newRow("neither UTF-8 nor GB18030")
        << "bytes.csv" << QByteArray("a,\x80\xFF\n")
        << "无法识别文件 @ 的文字编码（可以导入 UTF-8、UTF-16 和 GB18030 编码的文本表格）";
    QTest::newRow("UTF-16 cut in half a character")
        << "odd.txt"
        << QByteArray("\xFF\xFE"
                      "a\0b",
                      5)
        << "无法识别文件 @ 的文字编码（可以导入 UTF-8、UTF-16 和 GB18030 编码的文本表格）";
    QTest::newRow("field longer than a cell holds")
        << "long.csv"
        << "a," + QByteArray(32768, 'x') << "@ 中第 1 行第 2 列的文字超过单元格最多 32767 个字符";
    QTest::newRow("field past the last column")
        << "wide.csv" << QByteArray(16384, ',') + "x"
        << "@ 中的第 1 行第 16385 列超出了表格的范围（最多 1048576 行、16384 列）";
    QTest::newRow("field past the last row")
        << "tall.csv" << QByteArray(1048576, '\n') + "x"
        << "@ 中的第 1048577 行第 1 列超出了表格的范围（最多 1048576 行、16384 列）";
}

void TestTextTableReader::refusesWithReason()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(name);
    QVERIFY(writeFile(path, bytes));
    const TableImport imported = importTable(path);
    QCOMPARE(imported.error, reason.replace(u'@', QDir::toNativeSeparators(path)));
}

void TestTextTableReader::refusesFileOverAGibibyteUnread()
{
    // A sparse file: its size is told without a byte of it being read.
    const QString path = m_dir.filePath(u"huge.csv"_qs);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.resize((qint64(1) << 30) + 1));
    file.close();
    QCOMPARE(importTable(path).error,
             u"文件 "_qs + QDir::toNativeSeparators(path) + u" 超过 1024 MB，太大了，无法导入"_qs);
}

QTEST_GUILESS_MAIN(TestTextTableReader)
#include "tst_texttablereader.moc"
