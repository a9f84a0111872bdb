#include "table/Sheet.h"

#include <QTest>

class TestSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void putKeepsTextAsTyped_data();
    void putKeepsTextAsTyped();
    void numbersReadBackAsDecimalText_data();
    void numbersReadBackAsDecimalText();
    void verbatimTextKeepsItsQuote();
    void usedRowCountFollowsTheLastValue();
    void clearEmptiesValuesAndFormats();
    void formatsStayOnTheirCells();
    void autoFitCountsWideCharactersTwice();
    void rowsBeyondSixteenBitsAreKept();
};

void TestSheet::putKeepsTextAsTyped_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stored");

    QTest::newRow("leading zeros stay") << "007"
                                        << "007";
    QTest::newRow("exponent-like name stays text") << "3e5"
                                                   << "3e5";
    QTest::newRow("date-like text stays text") << "2026-12-07"
                                               << "2026-12-07";
    QTest::newRow("text marker is dropped") << "'007"
                                            << "007";
    QTest::newRow("only one marker is dropped") << "''quoted"
                                                << "'quoted";
    QTest::newRow("marker alone leaves an empty cell") << "'"
                                                       << "";
    QTest::newRow("quote inside is kept") << "it's"
                                          << "it's";
    QTest::newRow("text marker keeps a formula as text") << "'=1+1"
                                                         << "=1+1";
    QTest::newRow("a lone equals sign is text") << "="
                                                << "=";
    QTest::newRow("a leading plus is text") << "+1"
                                            << "+1";
    QTest::newRow("a leading minus is text") << "-draft"
                                             << "-draft";
    QTest::newRow("Chinese text") << "会议记录"
                                  << "会议记录";
    QTest::newRow("blanks are kept") << " a b "
                                     << " a b ";
}

void TestSheet::putKeepsTextAsTyped()
{
    QFETCH(QString, input);
    QFETCH(QString, stored);
    Sheet sheet;
    sheet.put(2, Sheet::C, input);
    QCOMPARE(sheet.text(2, Sheet::C), stored);
    QVERIFY(!sheet.isNumber(2, Sheet::C));
    QCOMPARE(sheet.isEmpty(2, Sheet::C), stored.isEmpty());
}

void TestSheet::numbersReadBackAsDecimalText_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("sequence number") << 1.0 << "1";
    QTest::newRow("large count") << 1000000.0 << "1000000";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("negative") << -3.0 << "-3";
}

void TestSheet::numbersReadBackAsDecimalText()
{
    QFETCH(double, number);
    QFETCH(QString, text);
    Sheet sheet;
    sheet.setNumber(5, Sheet::A, number);
    QCOMPARE(sheet.text(5, Sheet::A), text);
    QVERIFY(sheet.isNumber(5, Sheet::A));
}

void TestSheet::verbatimTextKeepsItsQuote()
{
    Sheet sheet;
    sheet.setText(2, Sheet::C, QStringLiteral("'quoted"));
    QCOMPARE(sheet.text(2, Sheet::C), QStringLiteral("'quoted"));
}

void TestSheet::usedRowCountFollowsTheLastValue()
{
    Sheet sheet;
    QCOMPARE(sheet.usedRowCount(), 0);
    sheet.put(1, Sheet::A, QStringLiteral("序号"));
    QCOMPARE(sheet.usedRowCount(), 1);
    sheet.put(7, Sheet::K, QStringLiteral("x"));
    sheet.put(4, Sheet::B, QStringLiteral("y"));
    QCOMPARE(sheet.usedRowCount(), 7);
    // Emptying the last row shrinks the range to the row above that still holds something.
    sheet.put(7, Sheet::K, QString());
    QCOMPARE(sheet.usedRowCount(), 4);
    sheet.clearCell(4, Sheet::B);
    QCOMPARE(sheet.usedRowCount(), 1);
    // Formats alone do not make a row used.
    sheet.setBold(9, Sheet::C, true);
    QCOMPARE(sheet.usedRowCount(), 1);
    sheet.clear();
    QCOMPARE(sheet.usedRowCount(), 0);
}

void TestSheet::clearEmptiesValuesAndFormats()
{
    Sheet sheet;
    sheet.put(1, Sheet::C, QStringLiteral("新文件名"));
    sheet.setBold(1, Sheet::C, true);
    sheet.setColor(1, Sheet::C, 0xFF0000);
    sheet.setColumnsFontSize(Sheet::A, Sheet::H, 10);
    sheet.setColumnTextFormat(Sheet::C);
    sheet.markRow(1, QStringLiteral("目标已存在"));
    sheet.clear();
    QVERIFY(sheet.isEmpty(1, Sheet::C));
    QVERIFY(!sheet.isBold(1, Sheet::C));
    QVERIFY(!sheet.color(1, Sheet::C));
    QCOMPARE(sheet.fontSize(Sheet::A), Sheet::DefaultFontSize);
    QVERIFY(!sheet.hasColumnTextFormat(Sheet::C));
    QVERIFY(sheet.rowMark(1).isEmpty());
}

void TestSheet::formatsStayOnTheirCells()
{
    Sheet sheet;
    sheet.setBold(1, Sheet::E, true);
    sheet.setColor(1, Sheet::E, 0xFF0000);
    QVERIFY(sheet.isBold(1, Sheet::E));
    QCOMPARE(sheet.color(1, Sheet::E), std::optional<Sheet::Rgb>(0xFF0000));
    QVERIFY(!sheet.isBold(1, Sheet::D));
    QVERIFY(!sheet.isBold(2, Sheet::E));

    sheet.setFontSize(9);
    sheet.setColumnsFontSize(Sheet::A, Sheet::H, 10);
    QCOMPARE(sheet.fontSize(Sheet::H), 10.0);
    QCOMPARE(sheet.fontSize(Sheet::J), 9.0);
    // A size for the whole sheet replaces the column sizes.
    sheet.setFontSize(12);
    QCOMPARE(sheet.fontSize(Sheet::A), 12.0);

    sheet.setColumnWidth(Sheet::A, 3);
    QCOMPARE(sheet.columnWidth(Sheet::A), std::optional<double>(3));
    QVERIFY(!sheet.columnWidth(Sheet::B));
}

void TestSheet::autoFitCountsWideCharactersTwice()
{
    Sheet sheet;
    sheet.setColumnWidth(Sheet::G, 30);
    sheet.put(2, Sheet::F, QStringLiteral("abcd"));
    sheet.put(3, Sheet::F, QStringLiteral("会议记录"));
    sheet.autoFitColumns(Sheet::F, Sheet::G);
    QCOMPARE(sheet.columnWidth(Sheet::F), std::optional<double>(9));
    // An empty column goes back to the grid's own width.
    QVERIFY(!sheet.columnWidth(Sheet::G));
}

void TestSheet::rowsBeyondSixteenBitsAreKept()
{
    Sheet sheet;
    sheet.setText(40000, Sheet::B, QStringLiteral("last"));
    sheet.setNumber(40000, Sheet::A, 39999);
    QCOMPARE(sheet.usedRowCount(), 40000);
    QCOMPARE(sheet.text(40000, Sheet::A), QStringLiteral("39999"));
}

QTEST_GUILESS_MAIN(TestSheet)
#include "tst_sheet.moc"
