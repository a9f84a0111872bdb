#include "formula/Formula.h"
#include "table/ColumnRefill.h"
#include "table/ColumnWriter.h"
#include "table/Sheet.h"
#include "table/SheetObserver.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Cells = QList<QPair<QString, QString>>;

namespace {

// Keeps what the sheet reports after each batch.
class Recorder final : public SheetObserver
{
public:
    QList<CellRange> changed;
    std::vector<SheetEdit> edits;
    QList<CellAddress> circles;

    void cellsChanged(const CellRange& range) override { changed << range; }
    void sheetCleared() override {}
    void columnFormatChanged() override {}
    void editFinished(SheetEdit&& edit) override { edits.push_back(std::move(edit)); }
    void circularReference(CellAddress cell) override { circles << cell; }
};

// Puts "A1" style cells: {"C2", "=B2&1"}.
void putAll(Sheet& sheet, const Cells& cells)
{
    Sheet::Batch batch(sheet);
    for (const auto& [name, input] : cells) {
        const qsizetype row = name.mid(1).toLongLong();
        sheet.put(row, name.at(0).unicode() - u'A' + 1, input);
    }
}

} // namespace

class SheetFormulasTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columnWriterWritesAsCellByCell_data();
    void columnWriterWritesAsCellByCell();

    void valuesFollowWhatTheyRead_data()
    {
        QTest::addColumn<Cells>("before");
        QTest::addColumn<Cells>("edit");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a formula shows its value")
            << Cells{{u"B2"_s, u"report"_s}, {u"C2"_s, u"=UPPER(B2)&\"-\"&A2"_s}, {u"A2"_s, u"'7"_s}}
            << Cells{} << u"C2"_s << u"REPORT-7"_s;
        QTest::newRow("an edit reaches the formulas that read it, through others")
            << Cells{{u"B2"_s, u"a"_s}, {u"C2"_s, u"=B2&1"_s}, {u"D2"_s, u"=C2&2"_s}}
            << Cells{{u"B2"_s, u"z"_s}} << u"D2"_s << u"z12"_s;
        QTest::newRow("errors travel")
            << Cells{{u"C2"_s, u"=1/0"_s}, {u"D2"_s, u"=C2&\"x\""_s}} << Cells{} << u"D2"_s << u"#DIV/0!"_s;
        QTest::newRow("a circle shows #REF!")
            << Cells{{u"A1"_s, u"=B1"_s}, {u"B1"_s, u"=A1+1"_s}, {u"C1"_s, u"=B1&\"!\""_s}} << Cells{}
            << u"C1"_s << u"#REF!"_s;
        QTest::newRow("a cell reading itself shows #REF!")
            << Cells{{u"A1"_s, u"=A1+1"_s}} << Cells{} << u"A1"_s << u"#REF!"_s;
        QTest::newRow("a formula replaced by text stops calculating")
            << Cells{{u"B2"_s, u"a"_s}, {u"C2"_s, u"=B2"_s}} << Cells{{u"C2"_s, u"'=B2"_s}, {u"B2"_s, u"b"_s}}
            << u"C2"_s << u"=B2"_s;
    }

    void valuesFollowWhatTheyRead()
    {
        QFETCH(Cells, before);
        QFETCH(Cells, edit);
        QFETCH(QString, cell);
        QFETCH(QString, shown);
        Sheet sheet;
        Recorder recorder;
        sheet.setObserver(&recorder);
        putAll(sheet, before);
        putAll(sheet, edit);
        QCOMPARE(sheet.text(cell.mid(1).toLongLong(), cell.at(0).unicode() - u'A' + 1), shown);
        QCOMPARE(recorder.circles.isEmpty(), !shown.startsWith(u"#REF!"_s));
    }

    void oneEditRecalculatesOnlyWhatReadsIt()
    {
        Sheet sheet;
        Recorder recorder;
        sheet.setObserver(&recorder);
        {
            Sheet::Batch batch(sheet);
            for (qsizetype row = 2; row <= 1000; ++row) {
                sheet.setText(row, Sheet::J, u"name%1"_s.arg(row));
                sheet.put(row, Sheet::C, u"=LEFT(J%1,4)&\"-\"&B%1"_s.arg(row));
            }
        }
        // Filled rows share one parsed formula.
        QCOMPARE(sheet.formula(2, Sheet::C), sheet.formula(999, Sheet::C));
        recorder.changed.clear();

        sheet.setText(7, Sheet::J, u"file"_s);

        QCOMPARE(sheet.text(7, Sheet::C), u"file-"_s);
        QCOMPARE(recorder.changed, (QList<CellRange>{{7, Sheet::C, 7, Sheet::J}}));
        QCOMPARE(sheet.inputText(7, Sheet::C), u"=LEFT(J7,4)&\"-\"&B7"_s);
    }

    void calculatedValuesStandUntilWhatTheyReadChanges()
    {
        Sheet sheet;
        Recorder recorder;
        sheet.setObserver(&recorder);
        {
            Sheet::Batch batch(sheet);
            sheet.setNumber(2, Sheet::A, 1);
            sheet.put(2, Sheet::B, u"=A2*2"_s);
            sheet.put(2, Sheet::C, u"=B2+1"_s);
            sheet.put(2, Sheet::D, u"=B2*10"_s);
        }
        recorder.changed.clear();

        const Sheet::CalculatedValue arrived[] = {{{2, Sheet::B}, FormulaValue::number(7)},
                                                  {{2, Sheet::D}, FormulaValue::number(1)},
                                                  {{2, Sheet::A}, FormulaValue::number(9)}};
        sheet.setCalculatedValues(arrived);

        QCOMPARE(sheet.text(2, Sheet::B), u"7"_s);
        QCOMPARE(sheet.text(2, Sheet::C), u"8"_s);
        QCOMPARE(sheet.text(2, Sheet::D), u"70"_s); // what it reads changed too
        QCOMPARE(sheet.text(2, Sheet::A), u"1"_s);  // not a formula
        QCOMPARE(recorder.changed, (QList<CellRange>{{2, Sheet::B, 2, Sheet::D}}));
        sheet.setNumber(2, Sheet::A, 4);
        QCOMPARE(sheet.text(2, Sheet::C), u"9"_s);
    }

    void aLongChainNeverExhaustsTheStack()
    {
        Sheet sheet;
        {
            Sheet::Batch batch(sheet);
            sheet.setNumber(1, Sheet::B, 1);
            for (qsizetype row = 2; row <= 100000; ++row)
                sheet.put(row, Sheet::B, u"=B%1+1"_s.arg(row - 1));
        }
        QCOMPARE(sheet.text(100000, Sheet::B), u"100000"_s);
    }

    // Thousands of formulas in a row that read nothing still to be calculated are calculated side
    // by side; one among them that reads the cell above, and a column reading them, wait for it.
    void aLongColumnIsCalculatedAsIfOneByOne()
    {
        constexpr qsizetype Rows = 6000;
        const auto readsAbove = [](qsizetype row) { return row % 1000 == 0; };
        Sheet sheet;
        {
            Sheet::Batch batch(sheet);
            for (qsizetype row = 2; row <= Rows; ++row) {
                sheet.setText(row, Sheet::B, u"b"_s);
                sheet.put(row, Sheet::C,
                          readsAbove(row) ? u"=C%1&\"+\""_s.arg(row - 1) : u"=B%1&\"x\""_s.arg(row));
                sheet.put(row, Sheet::D, u"=C%1&\"d\""_s.arg(row));
            }
        }
        {
            Sheet::Batch batch(sheet);
            for (qsizetype row = 2; row <= Rows; ++row)
                sheet.setText(row, Sheet::B, u"n%1"_s.arg(row));
        }
        for (const qsizetype row : {qsizetype(2), qsizetype(999), qsizetype(1000), qsizetype(1001), Rows}) {
            const QString name = readsAbove(row) ? u"n%1x+"_s.arg(row - 1) : u"n%1x"_s.arg(row);
            QCOMPARE(sheet.text(row, Sheet::C), name);
            QCOMPARE(sheet.text(row, Sheet::D), name + u"d"_s);
        }
    }

    void eachBatchIsOneStepThatSwapsBack()
    {
        Sheet sheet;
        Recorder recorder;
        sheet.setObserver(&recorder);
        sheet.setText(2, Sheet::C, u"hand"_s);
        sheet.setRecordingEdits(true);
        putAll(sheet, {{u"C2"_s, u"=B2&\"x\""_s}, {u"C3"_s, u"three"_s}, {u"C2"_s, u"=B2&\"y\""_s}});
        QCOMPARE(recorder.edits.size(), size_t(1));
        SheetEdit step = std::move(recorder.edits.front());
        QCOMPARE(step.cellCount(), 2);

        sheet.swapContents(step);
        QCOMPARE(sheet.text(2, Sheet::C), u"hand"_s);
        QVERIFY(sheet.isEmpty(3, Sheet::C));
        sheet.swapContents(step);
        QCOMPARE(sheet.text(2, Sheet::C), u"y"_s);
        QCOMPARE(sheet.text(3, Sheet::C), u"three"_s);
        // Swapping is no step of its own.
        QCOMPARE(recorder.edits.size(), size_t(1));
    }

    void typedFormulasAreTakenOnlyWhereTextIsNotKept()
    {
        Sheet sheet;
        QCOMPARE(sheet.put(2, Sheet::C, u"=LEFT("_s).stored, false);
        QVERIFY(sheet.isEmpty(2, Sheet::C));
        sheet.setColumnTextFormat(Sheet::D);
        sheet.put(2, Sheet::D, u"=1+1"_s);
        QCOMPARE(sheet.text(2, Sheet::D), u"=1+1"_s);
        QVERIFY(!sheet.isFormula(2, Sheet::D));
    }
};

void SheetFormulasTest::columnWriterWritesAsCellByCell_data()
{
    QTest::addColumn<Cells>("before");
    QTest::addColumn<Cells>("written"); // all in column B

    QTest::newRow("formulas written over, one reading the column")
        << Cells{{"B2", "=1+1"}, {"B3", "old"}, {"C2", "=B2&B4"}, {"C3", "=COUNTA(B2:B9)"}}
        << Cells{{"B2", "a"}, {"B3", ""}, {"B4", "c"}};
    QTest::newRow("the last row emptied, a row far below")
        << Cells{{"B2", "x"}, {"B5", "last"}, {"B9000", "far"}, {"C2", "=B5&B9000"}}
        << Cells{{"B5", ""}, {"B2", "x"}, {"B9000", ""}, {"B8000", "near"}};
    QTest::newRow("into an empty sheet") << Cells{} << Cells{{"B3", "007"}, {"B2", "=text"}};

    QTest::newRow("texts only, read by formulas")
        << Cells{{"B2", "a"}, {"B3", "b"}, {"B5", "e"}, {"C2", "=B2&B5"}, {"C3", "=COUNTA(B2:B9)"}}
        << Cells{{"B5", ""}, {"B2", "x"}, {"B7", "g"}, {"B3", "b"}};

    // Enough rows for the writer to keep the column whole, after some cells one by one.
    for (const bool textsOnly : {false, true}) {
        Cells many{{"C2", "=B3&B6000"}, {"C3", "=COUNTA(B2:B9000)"}};
        if (!textsOnly)
            many << Cells{{"B2", "=1+1"}, {"B9000", "far"}};
        Cells rewritten{{"B6001", "below"}};
        for (int row = 3; row <= 6000; ++row) {
            many.append({u"B%1"_s.arg(row), row % 7 ? u"old %1"_s.arg(row) : QString()});
            rewritten.append({u"B%1"_s.arg(row), row % 5 ? u"new %1"_s.arg(row) : QString()});
        }
        QTest::newRow(textsOnly ? "most rows of a long column of texts rewritten"
                                : "most rows of a long column rewritten")
            << many << rewritten;
    }
}

// A column written by the writer, or rewritten from the top, ends as the same cells written one
// by one would: values, the formulas reading it, the used rows, the step an undo takes back and
// brings again. The writer also tells the view of the same cells.
void SheetFormulasTest::columnWriterWritesAsCellByCell()
{
    QFETCH(Cells, before);
    QFETCH(Cells, written);
    const auto rowOf = [](const QString& name) { return name.mid(1).toLongLong(); };
    Sheet byCell, byWriter, byRefill;
    Recorder cellSteps, writerSteps, refillSteps;
    for (auto [sheet, recorder] : {std::pair(&byCell, &cellSteps), std::pair(&byWriter, &writerSteps),
                                   std::pair(&byRefill, &refillSteps)}) {
        putAll(*sheet, before);
        sheet->setRecordingEdits(true);
        sheet->setObserver(recorder);
    }
    {
        Sheet::Batch batch(byCell);
        for (const auto& [name, text] : written)
            byCell.setText(rowOf(name), Sheet::B, text);
    }
    {
        ColumnWriter column(byWriter, Sheet::B);
        for (const auto& [name, text] : written)
            column.setText(rowOf(name), text);
    }
    {
        Cells downward = written;
        std::ranges::sort(downward, {}, [&](const auto& cell) { return rowOf(cell.first); });
        ColumnRefill column(byRefill, Sheet::B, 10);
        for (const auto& [name, text] : downward)
            column.setText(rowOf(name), text);
    }
    const auto cells = [](const Sheet& sheet) {
        QStringList texts;
        for (qsizetype row = 1; row <= sheet.usedRowCount(); ++row)
            for (int column = Sheet::A; column <= Sheet::C; ++column)
                if (!sheet.isEmpty(row, column))
                    texts << u"%1%2:%3=%4"_s.arg(QChar(u'A' + column - 1))
                                 .arg(row)
                                 .arg(sheet.inputText(row, column), sheet.text(row, column));
        return texts;
    };
    const QStringList after = cells(byCell);
    QCOMPARE(writerSteps.changed, cellSteps.changed);
    for (auto [sheet, recorder] : {std::pair(&byWriter, &writerSteps), std::pair(&byRefill, &refillSteps)}) {
        QCOMPARE(cells(*sheet), after);
        QCOMPARE(sheet->usedRowCount(), byCell.usedRowCount());
        QCOMPARE(recorder->edits.size(), cellSteps.edits.size());
    }
    if (cellSteps.edits.empty())
        return;
    byCell.swapContents(cellSteps.edits.back());
    for (auto [sheet, recorder] : {std::pair(&byWriter, &writerSteps), std::pair(&byRefill, &refillSteps)}) {
        sheet->swapContents(recorder->edits.back());
        QCOMPARE(cells(*sheet), cells(byCell));
        QCOMPARE(sheet->usedRowCount(), byCell.usedRowCount());
        sheet->swapContents(recorder->edits.back());
        QCOMPARE(cells(*sheet), after);
    }
}

QTEST_GUILESS_MAIN(SheetFormulasTest)
#include "tst_sheetformulas.moc"
