#include "BenchPlatform.h"
#include "Figures.h"

#include "gui/MainWindow.h"
#include "collect/FileListModel.h"
#include "table/SheetModel.h"

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

void measureKeystrokeFigure(const BenchContext& context, QList<Figure>& figures)
{
    BenchPlatform platform;
    MainWindow window(platform);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    Form1& form = window.form();
    form.files->setPaths(context.tree.files);
    form.Command14->click();
    form.Check3->setChecked(true);
    form.left1->setChecked(true);
    settle();

    Figure keystroke;
    keystroke.name = QStringLiteral("keystroke: extraction from the left (window)");
    keystroke.size = context.tree.files.size();
    int digit = 0;
    keystroke.measured = measure(
        context.runs,
        [&] {
            QTest::keyClick(form.leftext, char('3' + digit % 4));
            settle();
        },
        [&] {
            ++digit;
            form.leftext->clear();
            settle();
        });
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
    BenchPlatform platform;
    Figure memory;
    memory.name = QStringLiteral("peak memory, table of 1,000,000 rows");
    memory.size = Rows;
    memory.memoryFigure = true;
    memory.target = QStringLiteral("<600MiB");
    memory.limit = 600;
    memory.measured = measure(1, [&] {
        MainWindow window(platform);
        window.show();
        window.form().files->setPaths(paths);
        window.form().Command14->click();
        window.form().Check3->setChecked(true);
        settle();
    });
    figures << memory;
}
