#include "table/Sheet.h"
#include "table/TabularText.h"

#include <QTest>

using Rows = QList<QStringList>;

class TestTabularText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void copiedRangeReadsBackTheSame();
    void pasteIsTypedInput();
};

void TestTabularText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");

    QTest::newRow("one column of names") << "a\nb\nc\n" << Rows{{"a"}, {"b"}, {"c"}};
    QTest::newRow("windows line ends") << "a\tb\r\nc\td\r\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("last line without line end") << "a\tb\nc" << Rows{{"a", "b"}, {"c"}};
    QTest::newRow("empty cells are kept") << "a\t\tc\n" << Rows{{"a", "", "c"}};
    QTest::newRow("empty line is an empty row") << "a\n\nb\n" << Rows{{"a"}, {""}, {"b"}};
    QTest::newRow("quoted cell with line break and tab") << "\"x\ny\tz\"\tb\n" << Rows{{"x\ny\tz", "b"}};
    QTest::newRow("doubled quotes inside quotes") << "\"say \"\"hi\"\"\"\n" << Rows{{"say \"hi\""}};
    QTest::newRow("quote inside an unquoted cell") << "5\" disk\n" << Rows{{"5\" disk"}};
    QTest::newRow("Chinese names") << "会议记录\t报告\n" << Rows{{"会议记录", "报告"}};
    QTest::newRow("nothing") << "" << Rows{};
}

void TestTabularText::parse()
{
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(TabularText::parse(text), rows);
}

void TestTabularText::copiedRangeReadsBackTheSame()
{
    Sheet sheet;
    sheet.put(2, Sheet::B, QStringLiteral("007"));
    sheet.put(2, Sheet::C, QStringLiteral("a\tb"));
    sheet.setNumber(3, Sheet::B, 12);
    sheet.put(3, Sheet::C, QStringLiteral("line\nbreak \"q\""));
    const QString text = TabularText::fromSheet(sheet, {2, Sheet::B, 3, Sheet::C});
    QCOMPARE(text, QStringLiteral("007\t\"a\tb\"\n12\t\"line\nbreak \"\"q\"\"\"\n"));

    Sheet other;
    TabularText::pasteInto(other, 5, Sheet::D, TabularText::parse(text));
    QCOMPARE(other.text(5, Sheet::D), QStringLiteral("007"));
    QCOMPARE(other.text(5, Sheet::E), QStringLiteral("a\tb"));
    QCOMPARE(other.text(6, Sheet::D), QStringLiteral("12"));
    QCOMPARE(other.text(6, Sheet::E), QStringLiteral("line\nbreak \"q\""));
}

void TestTabularText::pasteIsTypedInput()
{
    Sheet sheet;
    const CellRange written =
        TabularText::pasteInto(sheet, 2, Sheet::C, Rows{{"'007"}, {"0012"}, {"x", "y"}});
    QCOMPARE(written, (CellRange{2, Sheet::C, 4, Sheet::D}));
    QCOMPARE(sheet.text(2, Sheet::C), QStringLiteral("007"));
    QCOMPARE(sheet.text(3, Sheet::C), QStringLiteral("0012"));
    QVERIFY(!sheet.isNumber(3, Sheet::C));
    QCOMPARE(sheet.text(4, Sheet::D), QStringLiteral("y"));
}

QTEST_GUILESS_MAIN(TestTabularText)
#include "tst_tabulartext.moc"
