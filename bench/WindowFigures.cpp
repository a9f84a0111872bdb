#include "Figures.h"
#include "GuiTest.h"

#include "collect/FileListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// Lets the window handle what a keystroke or click left behind, the grid's repaint included.
void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

Measurement measureExtractionKeystrokes(GuiTest& gui, int runs)
{
    gui.checkBox("Check3")->setChecked(true);
    gui.option("left1")->setChecked(true);
    settle();
    QLineEdit* leftext = gui.field("leftext");
    int digit = 0;
    return measure(
        runs,
        [&] {
            QTest::keyClick(leftext, char('3' + digit % 4));
            settle();
        },
        [&] {
            ++digit;
            leftext->clear();
            settle();
        });
}

void measureKeystrokeFigure(const BenchContext& context, QList<Figure>& figures)
{
    GuiTest gui;
    gui.files().setPaths(context.tree.files);
    gui.control<QPushButton>("Command14")->click();

    Figure keystroke;
    keystroke.name = QStringLiteral("keystroke: extraction from the left (window)");
    keystroke.size = context.tree.files.size();
    keystroke.measured = measureExtractionKeystrokes(gui, context.runs);
    keystroke.target = QStringLiteral("<150ms");
    keystroke.limit = timeLimitFor(150, keystroke.size);
    figures << keystroke;
}

// The table of a million files, numbered and named, with its file list, in the real window.
void measureMemoryFigure(QList<Figure>& figures)
{
    constexpr qsizetype Rows = 1000000;
    QStringList paths;
    paths.reserve(Rows);
    for (qsizetype i = 0; i < Rows; ++i)
        paths << QStringLiteral("/srv/archive/d%1/IMG_%2.jpg")
                     .arg(i / 1000, 4, 10, QLatin1Char('0'))
                     .arg(i, 7, 10, QLatin1Char('0'));
    Figure memory;
    memory.name = QStringLiteral("peak memory, table of 1,000,000 rows");
    memory.size = Rows;
    memory.memoryFigure = true;
    memory.target = QStringLiteral("<600MiB");
    memory.limit = 600;
    memory.measured = measure(1, [&] {
        GuiTest gui;
        gui.files().setPaths(paths);
        gui.control<QPushButton>("Command14")->click();
        gui.checkBox("Check3")->setChecked(true);
        settle();
    });
    figures << memory;
}
