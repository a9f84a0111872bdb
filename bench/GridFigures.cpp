#include "Figures.h"
#include "GuiTest.h"

#include "collect/FileListModel.h"
#include "gui/table/SheetView.h"
#include "table/SheetModel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <malloc.h>

namespace {

const QString NewName = QStringLiteral("=LEFT(B2,3)&\"-\"&J2");
constexpr int ColumnL = Sheet::K + 1;

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The window with the tree's files laid out; a column's second row gets the formula and the
// column is selected down to the last row, ready for Ctrl+D.
struct FormulaWindow
{
    GuiTest gui;
    SheetView* grid = nullptr;
    qsizetype lastRow = 0;

    explicit FormulaWindow(const QStringList& files)
    {
        gui.files().setPaths(files);
        gui.control<QPushButton>("Command14")->click();
        grid = gui.control<SheetView>("sp1");
        lastRow = gui.table().sheet().usedRowCount();
        // Ctrl+D reaches the grid through its focus, which needs the window active.
        gui.window().activateWindow();
        (void)QTest::qWaitForWindowActive(&gui.window());
        grid->setFocus();
        settle();
    }

    void typeFormulaAndSelect(int column = Sheet::C)
    {
        SheetModel& model = gui.table();
        model.setData(model.index(1, column - 1), NewName, Qt::EditRole);
        grid->setCurrentIndex(model.index(1, column - 1));
        grid->selectionModel()->select(
            QItemSelection(model.index(1, column - 1), model.index(int(lastRow) - 1, column - 1)),
            QItemSelectionModel::ClearAndSelect);
    }

    void fillDown()
    {
        QTest::keyClick(grid, Qt::Key_D, Qt::ControlModifier);
        settle();
        if (!gui.table().sheet().isFormula(lastRow, grid->currentIndex().column() + 1))
            qFatal("Ctrl+D did not fill the column");
    }
};

} // namespace

void measureGridFigures(const BenchContext& context, QList<Figure>& figures)
{
    const qsizetype size = context.tree.files.size();
    FormulaWindow window(context.tree.files);
    Sheet& sheet = window.gui.table().sheet();

    Figure fill;
    fill.name = QStringLiteral("grid: formula in C2 filled down (window)");
    fill.size = size;
    fill.measured = measure(
        context.runs,
        [&] {
            window.typeFormulaAndSelect();
            window.fillDown();
        },
        [&] {
            Sheet::Batch batch(sheet);
            for (qsizetype row = 2; row <= window.lastRow; ++row)
                sheet.clearCell(row, Sheet::C);
        });
    fill.target = QStringLiteral("<300ms");
    fill.limit = timeLimitFor(300, size);
    figures << fill;

    // One cell of J, read by one formula of the column.
    SheetModel& model = window.gui.table();
    const QModelIndex middle = model.index(int(window.lastRow / 2), Sheet::J - 1);
    int edits = 0;
    Figure edit;
    edit.name = QStringLiteral("grid: one cell of J edited under formulas");
    edit.size = size;
    edit.measured = measure(context.runs * 10, [&] {
        model.setData(middle, QStringLiteral("edit%1").arg(++edits), Qt::EditRole);
        settle();
    });
    if (!window.gui.table().sheet().text(middle.row() + 1, Sheet::C).endsWith(QString::number(edits)))
        qFatal("the formula reading the edited cell was not recalculated");
    edit.target = QStringLiteral("<5ms");
    edit.limit = 5;
    figures << edit;

    // A keystroke of the extraction rewrites J for every row (and composes C from it), and every
    // formula reading J follows: here a column of them in L, which no rule writes.
    window.typeFormulaAndSelect(ColumnL);
    window.fillDown();
    Figure rule;
    rule.name = QStringLiteral("grid: rule rewriting J under formulas (window)");
    rule.size = size;
    rule.measured = measureExtractionKeystrokes(window.gui, context.runs);
    rule.target = QStringLiteral("<300ms");
    rule.limit = timeLimitFor(300, size);
    figures << rule;
}

void measureGridMemoryFigure(const BenchContext& context, QList<Figure>& figures)
{
    FormulaWindow window(context.tree.files);
    malloc_trim(0);
    const qint64 before = residentMemoryKiB();
    resetPeakMemory();
    window.typeFormulaAndSelect();
    window.fillDown();
    Figure memory;
    memory.name = QStringLiteral("grid: memory added by the filled formulas");
    memory.size = context.tree.files.size();
    memory.memoryFigure = true;
    memory.measured.peakKiB = peakMemoryKiB() - before;
    memory.target = QStringLiteral("<30MiB");
    memory.limit = 30.0 * std::max(1.0, double(memory.size) / 100000.0);
    figures << memory;
}
