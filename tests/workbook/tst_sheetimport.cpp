#include "table/Sheet.h"
#include "table/SheetObserver.h"
#include "workbook/ImportedTable.h"
#include "workbook/SheetImport.h"

#include <QTest>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

// While it lives, the process may take only this much memory beyond what it holds: a sheet that
// allocated the rectangle around its cells would fail with bad_alloc, not eat the machine's memory.
class MemoryLimit
{
public:
    explicit MemoryLimit(rlim_t extraBytes)
    {
        getrlimit(RLIMIT_AS, &m_old);
        long pages = 0;
        FILE* statm = std::fopen("/proc/self/statm", "r");
        QVERIFY(statm && std::fscanf(statm, "%ld", &pages) == 1);
        std::fclose(statm);
        rlimit limited{rlim_t(pages) * 4096 + extraBytes, m_old.rlim_max};
        setrlimit(RLIMIT_AS, &limited);
    }
    ~MemoryLimit() { setrlimit(RLIMIT_AS, &m_old); }

private:
    rlimit m_old{};
};

struct Input
{
    qsizetype row;
    int column;
    QString typed; // as put: "=..." a formula, "'007" the text 007
};
using Inputs = QList<Input>;

class StepRecorder final : public SheetObserver
{
public:
    std::vector<SheetEdit> edits;

    void cellsChanged(const CellRange&) override {}
    void sheetCleared() override {}
    void columnFormatChanged() override {}
    void editFinished(SheetEdit&& edit) override { edits.push_back(std::move(edit)); }
};

// The sheet's cells at the places: each as typing gives it back, with its value shown.
QStringList cellsOf(const Sheet& sheet, const Inputs& places)
{
    QStringList cells{u"%1x%2"_s.arg(sheet.usedRowCount()).arg(sheet.usedColumnCount())};
    for (const Input& at : places)
        cells << u"%1,%2:%3:%4"_s.arg(at.row).arg(at.column).arg(sheet.inputText(at.row, at.column),
                                                                 sheet.text(at.row, at.column));
    return cells;
}

ImportedTable tableOf(const Inputs& inputs)
{
    ImportedTable table;
    for (const Input& in : inputs) {
        ImportedCell cell;
        cell.row = in.row;
        cell.column = in.column;
        if (in.typed.startsWith(u'='))
            cell.formula = in.typed;
        else
            cell.value = ImportedValue::ofText(in.typed);
        table.append(cell);
    }
    table.finish();
    return table;
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class TestSheetImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importAndClearAreOneStepThatSwapsBack_data();
    void importAndClearAreOneStepThatSwapsBack();
};

void TestSheetImport::importAndClearAreOneStepThatSwapsBack_data()
{
    QTest::addColumn<Inputs>("before");
    QTest::addColumn<bool>("importing");
    QTest::addColumn<Inputs>("imported");
    QTest::addColumn<int>("stepCells"); // the cells the step keeps: those it changed

    const Inputs built{{1, 1, u"序号"_s},      {2, 1, u"1"_s},    {2, 2, u"a"_s},
                       {2, 3, u"=B2&\"x\""_s}, {3, 2, u"'007"_s}, {3, 3, u"=UPPER(B3)"_s}};
    Inputs column, lastRow, powersOfTwo;
    for (qsizetype r = 1; r <= 10000; ++r)
        column << Input{r, 1, QString::number(r)};
    for (int c = 1; c <= Sheet::MaxColumns; ++c)
        lastRow << Input{Sheet::MaxRows, c, u"end"_s};
    for (qsizetype r = 1; r <= Sheet::MaxRows; r *= 2)
        for (int c = 1; c <= 200; ++c)
            powersOfTwo << Input{r, c, u"=ROW()"_s};

    QTest::newRow("清空 of a table with formulas") << built << false << Inputs{} << 6;
    QTest::newRow("import over a table")
        << built << true << Inputs{{1, 1, u"编号"_s}, {2, 2, u"春节"_s}, {2, 3, u"=B2&\"😀\""_s}} << 6;
    QTest::newRow("import of the table held, a name changed, a cell left out")
        << built << true
        << Inputs{{1, 1, u"序号"_s},
                  {2, 1, u"1"_s},
                  {2, 2, u"b"_s},
                  {2, 3, u"=B2&\"x\""_s},
                  {3, 3, u"=UPPER(B3)"_s}}
        << 2;
    QTest::newRow("import over a far cell") << Inputs{{10000, 1, u"far"_s}} << true << column << 10000;
    QTest::newRow("import of the last row of every column") << column << true << lastRow << 26384;
    QTest::newRow("清空 of rows at powers of two") << powersOfTwo << false << Inputs{} << 4200;
}

void TestSheetImport::importAndClearAreOneStepThatSwapsBack()
{
    QFETCH(Inputs, before);
    QFETCH(bool, importing);
    QFETCH(Inputs, imported);
    QFETCH(int, stepCells);

    const MemoryLimit limit(rlim_t(512) << 20);
    Sheet sheet;
    StepRecorder recorder;
    sheet.setObserver(&recorder);
    {
        Sheet::Batch batch(sheet);
        for (const Input& in : before)
            sheet.put(in.row, in.column, in.typed);
        sheet.setBold(1, 1, true);
    }
    const Inputs places = before + imported;
    const QStringList previous = cellsOf(sheet, places);

    sheet.setRecordingEdits(true);
    if (importing)
        QCOMPARE(placeImportedTable(sheet, tableOf(imported)), QString());
    else
        sheet.clearAsEdit();
    QCOMPARE(recorder.edits.size(), size_t(1));
    QVERIFY(!sheet.isBold(1, 1));
    const QStringList after = cellsOf(sheet, places);
    Sheet fresh;
    for (const Input& in : imported)
        fresh.put(in.row, in.column, in.typed);
    QCOMPARE(after, cellsOf(fresh, places));

    QCOMPARE(int(recorder.edits.front().cellCount()), stepCells);
    SheetEdit step = std::move(recorder.edits.front());
    sheet.swapContents(step);
    QCOMPARE(cellsOf(sheet, places), previous);
    sheet.swapContents(step);
    QCOMPARE(cellsOf(sheet, places), after);
    QCOMPARE(recorder.edits.size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestSheetImport)
#include "tst_sheetimport.moc"
