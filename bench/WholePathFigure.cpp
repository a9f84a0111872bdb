#include "CoreRun.h"
#include "Figures.h"
#include "GuiTest.h"

#include "base/Progress.h"
#include "collect/ExtensionFilter.h"
#include "collect/FolderScan.h"
#include "collect/WildcardPattern.h"
#include "rules/NewNameComposition.h"
#include "rules/Numbering.h"
#include "rules/RuleValues.h"
#include "rules/TableBuild.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextStream>

#include <fcntl.h>
#include <stdio.h>

namespace {

// Gives every file of the table its old name again (column C and E back to B and D).
void renameBack(const Sheet& sheet)
{
    for (qsizetype r = 2; r <= sheet.usedRowCount(); ++r) {
        const QString folder = sheet.text(r, Sheet::F);
        const QByteArray renamed =
            QFile::encodeName(folder + sheet.text(r, Sheet::C) + sheet.text(r, Sheet::E));
        const QByteArray original =
            QFile::encodeName(folder + sheet.text(r, Sheet::B) + sheet.text(r, Sheet::D));
        renameat2(AT_FDCWD, renamed.constData(), AT_FDCWD, original.constData(), RENAME_NOREPLACE);
    }
}

// The peak of a process that took the whole path through the window, read from a process of its
// own so that nothing the figures before left behind counts.
Figure wholePathMemoryFigure(const BenchContext& context)
{
    Figure figure;
    figure.name = QStringLiteral("whole path through the window, peak memory of the process");
    figure.size = context.tree.files.size();
    figure.memoryFigure = true;
    figure.limit = figure.size <= 100000 ? 90 : 600;
    figure.target = QStringLiteral("<%1MiB").arg(figure.limit);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--path-memory"), context.tree.root});
    child.waitForFinished(-1);
    const QList<QByteArray> kib = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitCode() != 0 || kib.isEmpty() || kib.last().toLongLong() <= 0)
        qFatal("the whole path's memory was not measured");
    figure.measured.peakKiB = kib.last().toLongLong();
    return figure;
}

// A large table's forecast is planned a slice at a time after a click has handed the window
// back; the status line tells while it is.
void settleForecast(const GuiTest& gui)
{
    const QLineEdit* status = gui.field("Text3");
    do
        QCoreApplication::processEvents();
    while (status->text().contains(QStringLiteral("正在检查")));
}

// 选择目录 on the tree (scan and table build, the forecast begun) against `find` listing it, and
// then a click on 自动编号 numbering every row.
void measureCollectAndNumber(const BenchContext& context, QList<Figure>& figures)
{
    // Each collection into a window of its own, as after the start: a second one would also
    // keep the table before it for an undo.
    std::unique_ptr<GuiTest> gui;
    Figure collect;
    collect.name = QStringLiteral("collect a folder into a new window (scan, table build)");
    collect.size = context.tree.files.size();
    collect.measured = measure(
        context.runs,
        [&] {
            gui->platform.nextFolders << context.tree.root;
            gui->click("Command4");
            QCoreApplication::processEvents();
        },
        [&] {
            gui.reset();
            gui = std::make_unique<GuiTest>();
        });
    QCheckBox* numbering = gui->checkBox("Check3");
    collect.baselineMs = measureFind(context.runs, context.tree.root).medianMs;
    collect.target = QStringLiteral("≤1.2x");
    collect.limit = 1.2;

    // The click until the window answers again, and until every row's verdict is in.
    const auto settle = [&] { settleForecast(*gui); };
    const auto numberingFigure = [&](const QString& name, bool untilSettled) {
        Figure figure;
        figure.name = name;
        figure.size = context.tree.files.size();
        figure.measured = measure(
            context.runs,
            [&] {
                numbering->setChecked(true);
                if (untilSettled)
                    settle();
                else
                    QCoreApplication::processEvents();
            },
            [&] {
                settle();
                numbering->setChecked(false);
                settle();
            });
        return figure;
    };
    Figure number = numberingFigure(QStringLiteral("numbering click through the window"), false);
    number.target = QStringLiteral("<150ms");
    number.limit = 150;
    const Figure verdicts =
        numberingFigure(QStringLiteral("numbering click until every row's verdict is in"), true);
    figures << collect << number << verdicts;
}

} // namespace

void printWholePathMemory(const QString& root)
{
    QTextStream out(stdout);
    GuiTest gui;
    gui.platform.nextFolders << root;
    gui.click("Command4");
    out << "collected " << residentMemoryKiB() << ' ';
    gui.checkBox("Check3")->setChecked(true);
    settleForecast(gui);
    out << "numbered " << residentMemoryKiB() << ' ';
    gui.click("Command3");
    settleForecast(gui);
    out << "run " << residentMemoryKiB() << " peak " << peakMemoryKiB() << Qt::endl;
    renameBack(gui.table().sheet());
}

// 选择目录, numbering and 开始改名 through the window, against the same steps on the core.
void measureWholePathFigure(const BenchContext& context, QList<Figure>& figures)
{
    GuiTest gui;
    QCheckBox* numbering = gui.checkBox("Check3");
    auto* selectFolder = gui.control<QPushButton>("Command4");
    auto* run = gui.control<QPushButton>("Command3");

    std::unique_ptr<Sheet> coreSheet;
    const Sheet* lastRun = nullptr;
    Figure path;
    path.name = QStringLiteral("whole path through the window");
    path.size = context.tree.files.size();
    // The window and the core in turns, each run's renames taken back before the next.
    const auto [throughWindow, onCore] = measureInTurns(
        context.runs,
        [&] {
            numbering->setChecked(false);
            gui.platform.nextFolders << context.tree.root;
            selectFolder->click();
            numbering->setChecked(true);
            run->click();
            // Until the window has done all it does after the run.
            settleForecast(gui);
            lastRun = &gui.table().sheet();
        },
        [&] {
            QStringList files;
            scanFolder(context.tree.root, WildcardPattern(QStringLiteral("*.*")), files);
            keepShortExtensions(files);
            coreSheet = std::make_unique<Sheet>();
            NoProgress progress;
            buildTable(*coreSheet, files, {}, progress);
            writeNumbering(*coreSheet, true, QString());
            RuleValues rules;
            rules.setJoints({.numbering = true});
            composeNewNames(*coreSheet, rules, false, progress);
            RunSettings settings;
            settings.batch = true;
            runOnCore(*coreSheet, settings);
            lastRun = coreSheet.get();
        },
        [&] {
            if (lastRun)
                renameBack(*lastRun);
            lastRun = nullptr;
        });
    if (lastRun)
        renameBack(*lastRun);
    path.measured = throughWindow;
    path.baselineMs = onCore.medianMs;
    path.target = QStringLiteral("≤1.5x");
    path.limit = 1.5;
    figures << path << wholePathMemoryFigure(context);
    measureCollectAndNumber(context, figures);
}
