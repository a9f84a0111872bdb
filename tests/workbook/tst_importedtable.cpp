#include "CellDescription.h"
#include "workbook/ImportedTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ImportedCell cellOf(qsizetype row, int column, const QString& text, const QString& formula = {})
{
    ImportedCell cell;
    cell.row = row;
    cell.column = column;
    cell.value = ImportedValue::ofText(text);
    cell.formula = formula;
    return cell;
}

} // namespace

using Cells = QList<ImportedCell>;
Q_DECLARE_METATYPE(Cells)

class TestImportedTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void finishedTableRunsInOrderWithTheLaterOfTwo_data();
    void finishedTableRunsInOrderWithTheLaterOfTwo();
};

void TestImportedTable::finishedTableRunsInOrderWithTheLaterOfTwo_data()
{
    QTest::addColumn<Cells>("appended");
    QTest::addColumn<QStringList>("described"); // cell name, then what it holds
    QTest::addColumn<int>("size");

    Cells upward; // more than a block of entries, the last row first
    for (qsizetype r = 40000; r >= 1; --r)
        upward << cellOf(r, 1, QString::number(r));
    QTest::newRow("out of order") << Cells{cellOf(2, 2, u"b"_s), cellOf(1, 1, u"a"_s), cellOf(2, 1, u"x"_s)}
                                  << QStringList{u"A1"_s, u"t:a"_s, u"A2"_s, u"t:x"_s, u"B2"_s, u"t:b"_s}
                                  << 3;
    QTest::newRow("the later of two, formula and all")
        << Cells{cellOf(1, 1, u"old"_s, u"=B1"_s), cellOf(1, 2, u"v"_s), cellOf(1, 1, u"new"_s),
                 cellOf(1, 2, u"w"_s, u"=A1"_s)}
        << QStringList{u"A1"_s, u"t:new"_s, u"B1"_s, u"t:w =A1"_s} << 2;
    QTest::newRow("an empty later one")
        << Cells{cellOf(1, 1, u"x"_s), cellOf(1, 1, {})} << QStringList{u"A1"_s, QString()} << 0;
    QTest::newRow("across blocks, upward")
        << upward << QStringList{u"A1"_s, u"t:1"_s, u"A40000"_s, u"t:40000"_s} << 40000;
}

void TestImportedTable::finishedTableRunsInOrderWithTheLaterOfTwo()
{
    QFETCH(Cells, appended);
    QFETCH(QStringList, described);
    QFETCH(int, size);

    ImportedTable table;
    for (const ImportedCell& cell : appended)
        table.append(cell);
    table.finish();
    QCOMPARE(table.size(), qsizetype(size));
    for (qsizetype i = 0; i < described.size(); i += 2)
        QCOMPARE(describeCell(table, described[i]), described[i + 1]);
    const auto places = table.places();
    QVERIFY(std::is_sorted(places.begin(), places.end(), [](CellAddress a, CellAddress b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    }));
}

QTEST_GUILESS_MAIN(TestImportedTable)
#include "tst_importedtable.moc"
