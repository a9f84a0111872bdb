#include "RenameGuiSupport.h"
#include "WindowTestFixture.h"

#include "gui/table/SheetView.h"
#include "table/SheetModel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using Entries = QMap<QString, QByteArray>;

} // namespace

// Formulas through the window: typed, filled, pasted, undone, and run.
class FormulaWindowTest : public WindowTestFixture
{
    Q_OBJECT

private:
    void setUp() override { activateWindow(); }

    Sheet& sheet() { return m_gui->table().sheet(); }
    SheetView* grid() { return m_gui->control<SheetView>("sp1"); }

    void collect(const Entries& files) { collectFiles(gui(), *m_tree, files); }

    // 1-based, as the sheet counts; the current cell is the top left one.
    void select(qsizetype top, int left, qsizetype bottom, int right)
    {
        SheetModel& model = gui().table();
        grid()->setFocus();
        grid()->setCurrentIndex(model.index(int(top - 1), left - 1));
        grid()->selectionModel()->select(
            QItemSelection(model.index(int(top - 1), left - 1), model.index(int(bottom - 1), right - 1)),
            QItemSelectionModel::ClearAndSelect);
    }

    // F2 on the cell, the editor's text replaced by what is typed, then the key that ends it.
    QString typeInCell(qsizetype row, int column, const QString& text, int modifiers = Qt::NoModifier)
    {
        grid()->setFocus();
        // The selection stays, for Ctrl+Enter.
        grid()->selectionModel()->setCurrentIndex(gui().table().index(int(row - 1), column - 1),
                                                  QItemSelectionModel::NoUpdate);
        QTest::keyClick(grid(), Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!editor)
            return {};
        const QString before = editor->text();
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
        // The editor hands its text over once the key is handled.
        QCoreApplication::processEvents();
        return before;
    }

    void typeInBar(const QString& text)
    {
        QLineEdit* bar = gui().field("formulaBar");
        bar->setFocus();
        bar->selectAll();
        QTest::keyClicks(bar, text);
        QTest::keyClick(bar, Qt::Key_Return);
    }

private Q_SLOTS:
    void filledFormulaNamesTheFilesAndTheRunTakesTheValues()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.jpg"_s, "C"}});
        select(2, Sheet::C, 2, Sheet::C);
        typeInBar(u"=UPPER(B2)&\"-\"&TEXT(A2,\"00\")"_s);
        select(2, Sheet::C, 4, Sheet::C);
        QTest::keyClick(grid(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(gui().shownCell(4, Sheet::C), u"C-03"_s);
        QCOMPARE(gui().control<QLabel>("cellAddress")->text(), u"C2"_s);
        QCOMPARE(gui().field("formulaBar")->text(), u"=UPPER(B2)&\"-\"&TEXT(A2,\"00\")"_s);
        // Editing the cell starts from its formula, shifted to its row.
        const QString third = u"=UPPER(B3)&\"-\"&TEXT(A3,\"00\")"_s;
        QCOMPARE(typeInCell(3, Sheet::C, third), third);

        gui().click("Command3");
        QCOMPARE(m_tree->snapshot(),
                 (Entries{{u"A-01.txt"_s, "A"}, {u"B-02.txt"_s, "B"}, {u"C-03.jpg"_s, "C"}}));
    }

    void aRowWhoseFormulaErrsIsRefusedWithItsReason()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        typeCell(gui(), 2, Sheet::C, u"=B2&\"1\""_s);
        typeCell(gui(), 3, Sheet::C, u"=MID(B3,0,1)"_s);
        gui().click("Command3");
        QCOMPARE(m_tree->snapshot(), (Entries{{u"a1.txt"_s, "A"}, {u"b.txt"_s, "B"}}));
        QCOMPARE(sheet().rowMark(3), u"公式错误: #VALUE!"_s);
    }

    void pastedFormulasReadTheCellsBesideTheirNewPlace()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        typeCell(gui(), 2, Sheet::C, u"=B2&$B$2"_s);
        select(2, Sheet::C, 2, Sheet::C);
        QTest::keySequence(grid(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), u"aa\n"_s);
        select(4, Sheet::C, 4, Sheet::C);
        QTest::keySequence(grid(), QKeySequence::Paste);
        QCOMPARE(sheet().inputText(4, Sheet::C), u"=B4&$B$2"_s);
        QCOMPARE(gui().shownCell(4, Sheet::C), u"ca"_s);
    }

    void undoAfterARuleClickBringsTheHandFormulasBack()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        typeCell(gui(), 2, Sheet::C, u"=B2&\"x\""_s);
        typeCell(gui(), 3, Sheet::C, u"=B3&\"y\""_s);
        gui().click("Check3");
        const QString numbered = gui().cell(3, Sheet::C);
        QVERIFY(!sheet().isFormula(3, Sheet::C));

        for (const QKeyCombination redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
            QTest::keyClick(&gui().window(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(sheet().inputText(2, Sheet::C), u"=B2&\"x\""_s);
            QCOMPARE(gui().cell(3, Sheet::C), u"by"_s);
            QTest::keyClick(&gui().window(), redo.key(), redo.keyboardModifiers());
            QCOMPARE(gui().cell(3, Sheet::C), numbered);
        }
    }

    // Each of these empties the table in one click; one Ctrl+Z right after gives it back.
    void oneCtrlZUndoesWhatEmptiedTheTable_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("a new collection") << u"drop"_s;
        QTest::newRow("a cancelled 选择文件") << u"Command5"_s;
        QTest::newRow("清空") << u"Command17"_s;
        QTest::newRow("导入") << u"Command16"_s;
    }

    void oneCtrlZUndoesWhatEmptiedTheTable()
    {
        QFETCH(QString, action);
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
        typeCell(gui(), 2, Sheet::C, u"=B2&\"x\""_s);
        const auto table = [this] {
            QStringList cells;
            for (qsizetype row = 1; row <= gui().usedRows(); ++row)
                for (int column = Sheet::A; column <= Sheet::K; ++column)
                    cells << gui().cell(row, column);
            return cells;
        };
        const QStringList before = table();

        if (action == u"drop"_s) {
            m_tree->file(u"new/c.txt"_s);
            QVERIFY(gui().drop({QUrl::fromLocalFile(m_tree->path(u"new/c.txt"_s))}));
        } else if (action == u"Command16"_s) {
            m_tree->write(u"t.csv"_s, "序号,新名\n1,甲\n");
            gui().platform.nextFiles << QStringList{m_tree->path(u"t.csv"_s)};
            gui().click("Command16");
        } else {
            gui().click(action.toLatin1().constData());
        }
        QVERIFY(table() != before);

        QTest::keyClick(&gui().window(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table(), before);
        QCOMPARE(sheet().inputText(2, Sheet::C), u"=B2&\"x\""_s);
    }

    void typedInputAndWhatTheCellKeeps_data()
    {
        QTest::addColumn<bool>("derivation");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("formula");
        QTest::newRow("formula") << false << u"=1+1"_s << u"2"_s << true;
        QTest::newRow("quoted text") << false << u"'=x"_s << u"=x"_s << false;
        QTest::newRow("lone =") << false << u"="_s << u"="_s << false;
        QTest::newRow("derivation text column") << true << u"=1+1"_s << u"=1+1"_s << false;
    }

    void typedInputAndWhatTheCellKeeps()
    {
        QFETCH(bool, derivation);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, formula);
        if (derivation) {
            collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}});
            gui().click("Check2");
        }
        typeInCell(2, Sheet::C, typed);
        QCOMPARE(gui().shownCell(2, Sheet::C), shown);
        QCOMPARE(sheet().isFormula(2, Sheet::C), formula);
        QCOMPARE(typeInCell(2, Sheet::C, typed), typed);
    }

    void refusedFormulaIsToldAndChangesNothing()
    {
        typeCell(gui(), 2, Sheet::C, u"keep"_s);
        typeInCell(2, Sheet::C, u"=LEFT("_s);
        QCOMPARE(gui().cell(2, Sheet::C), u"keep"_s);
        QCOMPARE(gui().platform.messageTexts().size(), 1);
        QVERIFY(gui().platform.messageTexts().front().startsWith(u"公式有误："_s));
    }

    void aCircleShowsErrorsAndIsReported()
    {
        typeCell(gui(), 2, Sheet::C, u"=C3&\"a\""_s);
        typeCell(gui(), 3, Sheet::C, u"=C2&\"b\""_s);
        QVERIFY(sheet().isError(2, Sheet::C));
        QVERIFY(sheet().isError(3, Sheet::C));
        QVERIFY(gui().field("Text3")->text().startsWith(u"循环引用:C"_s));
    }

    void barEscapeRestoresAndFxInsertsAtTheCursor()
    {
        typeCell(gui(), 2, Sheet::B, u"name"_s);
        select(2, Sheet::C, 2, Sheet::C);
        QLineEdit* bar = gui().field("formulaBar");
        bar->setFocus();
        QTest::keyClicks(bar, u"=B2&"_s);
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(bar->text(), QString());

        gui().click("fxButton");
        auto* menu = gui().window().findChild<QMenu*>(u"functionMenu"_s);
        QVERIFY(menu && menu->isVisible());
        QAction* upper = nullptr;
        for (QAction* group : menu->actions())
            for (QAction* entry : group->menu()->actions())
                if (entry->text().startsWith(u"UPPER("_s))
                    upper = entry;
        QVERIFY(upper);
        upper->trigger();
        menu->close();
        QTest::keyClicks(bar, u"B2)"_s);
        QTest::keyClick(bar, Qt::Key_Return);
        QCOMPARE(gui().cell(2, Sheet::C), u"NAME"_s);
    }

    void ctrlEnterPutsTheInputIntoEverySelectedCell()
    {
        collect({{u"a.txt"_s, "A"}, {u"b.txt"_s, "B"}, {u"c.txt"_s, "C"}});
        select(2, Sheet::C, 4, Sheet::C);
        typeInCell(2, Sheet::C, u"=B2&\"!\""_s, Qt::ControlModifier);
        QCOMPARE(gui().cell(4, Sheet::C), u"c!"_s);
        // One step for all of them.
        QTest::keyClick(&gui().window(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(sheet().isEmpty(2, Sheet::C) && sheet().isEmpty(4, Sheet::C));
    }
};

QTEST_MAIN(FormulaWindowTest)
#include "tst_formulawindow.moc"
