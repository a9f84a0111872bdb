#include "gui/table/SheetHistory.h"
#include "table/ColumnRefill.h"
#include "table/SheetModel.h"

#include <QTest>

// Steps beyond the history's budget of kept cells go, oldest first: those that stay undo and
// redo exactly, and the undo stops where the history now begins.
class TestSheetHistory : public QObject
{
    Q_OBJECT

private:
    // Column C of rows 2 to 4 rewritten at once: a step that keeps three cells.
    static void writeColumn(Sheet& sheet, const QString& text)
    {
        Sheet::Batch batch(sheet);
        for (qsizetype row = 2; row <= 4; ++row)
            sheet.setText(row, Sheet::C, text + QString::number(row));
    }
    // The same rewritten as a rule rewrites a whole column, keeping the former one whole.
    static void refillColumn(Sheet& sheet, const QString& text)
    {
        ColumnRefill cells(sheet, Sheet::C, 4);
        for (qsizetype row = 2; row <= 4; ++row)
            cells.setCopy(row, text + QString::number(row));
    }
    static QStringList column(const Sheet& sheet)
    {
        return {sheet.text(2, Sheet::C), sheet.text(3, Sheet::C), sheet.text(4, Sheet::C)};
    }

private Q_SLOTS:
    void oldestStepsGoOverBudget()
    {
        SheetModel model;
        SheetHistory history(model, nullptr, 7); // two steps of three cells fit, not three
        Sheet& sheet = model.sheet();
        for (const QString& text : QStringList{"a", "b", "c", "d"})
            writeColumn(sheet, text);

        history.undo();
        QCOMPARE(column(sheet), (QStringList{"c2", "c3", "c4"}));
        history.undo();
        QCOMPARE(column(sheet), (QStringList{"b2", "b3", "b4"}));
        QVERIFY(!history.canUndo());
        history.redo();
        history.redo();
        QCOMPARE(column(sheet), (QStringList{"d2", "d3", "d4"}));
    }

    void aWholeColumnFollowsStepsUndone_data()
    {
        QTest::addColumn<qsizetype>("budget");
        QTest::addColumn<bool>("firstStepStays");
        QTest::newRow("within the budget") << qsizetype(1000) << true;
        QTest::newRow("the steps undone alone beyond it") << qsizetype(7) << true;
        QTest::newRow("the whole column beyond it") << qsizetype(3) << false;
    }
    // Steps undone are taken away by the step that follows them, never kept or replayed.
    void aWholeColumnFollowsStepsUndone()
    {
        QFETCH(qsizetype, budget);
        QFETCH(bool, firstStepStays);
        SheetModel model;
        SheetHistory history(model, nullptr, budget);
        Sheet& sheet = model.sheet();
        for (const QString& text : QStringList{"a", "b", "c"})
            writeColumn(sheet, text);
        history.undo();
        history.undo();
        const QStringList before = column(sheet);
        refillColumn(sheet, "d");

        history.undo();
        QCOMPARE(column(sheet), before);
        QCOMPARE(history.canUndo(), firstStepStays);
        if (firstStepStays) {
            history.undo();
            QCOMPARE(column(sheet), (QStringList{"", "", ""}));
            QVERIFY(!history.canUndo());
            history.redo();
        }
        history.redo();
        QCOMPARE(column(sheet), (QStringList{"d2", "d3", "d4"}));
    }

    void theNewestStepStaysWhateverItKeeps()
    {
        SheetModel model;
        SheetHistory history(model, nullptr, 1);
        Sheet& sheet = model.sheet();
        writeColumn(sheet, "a");
        writeColumn(sheet, "b");
        history.undo();
        QCOMPARE(column(sheet), (QStringList{"a2", "a3", "a4"}));
        QVERIFY(!history.canUndo());
    }
};

QTEST_MAIN(TestSheetHistory)
#include "tst_sheethistory.moc"
