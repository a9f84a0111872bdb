#pragma once

#include "BenchTree.h"
#include "Report.h"

class GuiTest;

// Each group measures its figures on the tree (or on its list of paths) and appends them.
struct BenchContext
{
    const BenchTree& tree;
    QString scratch; // a folder of the benchmark's own for trees it makes and removes
    int runs = 5;
    QString copyRoot; // where the copy figure writes its copies: scratch, or a folder given
};

void measureScanFigures(const BenchContext& context, QList<Figure>& figures);
void measureTableFigures(const BenchContext& context, QList<Figure>& figures);
void measureRenameFigure(const BenchContext& context, QList<Figure>& figures);
void measureCopyFigure(const BenchContext& context, QList<Figure>& figures);
void measureExportFigures(const BenchContext& context, QList<Figure>& figures);
void measureImportFigures(const BenchContext& context, QList<Figure>& figures);
// Imports the file, into a sheet or with intoSheet false only reading it, and prints the peak
// memory of that and what it holds after, in KiB: for a process started for nothing else.
void printImportMemory(const QString& path, bool intoSheet);
void measureKeystrokeFigure(const BenchContext& context, QList<Figure>& figures);
void measureWholePathFigure(const BenchContext& context, QList<Figure>& figures);
// Collects the folder's files, numbers them and renames them through the window, then prints what
// the process held after each step and its peak, in KiB, and renames the files back: for a
// process started for nothing else.
void printWholePathMemory(const QString& root);
void measureFormulaFigure(const BenchContext& context, QList<Figure>& figures);
void measureForecastFigures(const BenchContext& context, QList<Figure>& figures);
void measureFactFigures(const BenchContext& context, QList<Figure>& figures);
// Keystrokes into the extraction's count with numbering on, each rewriting the name source (J)
// and the new names of every row; the window's table must be built.
Measurement measureExtractionKeystrokes(GuiTest& gui, int runs);

void measureGridFigures(const BenchContext& context, QList<Figure>& figures);
void measureGridMemoryFigure(const BenchContext& context, QList<Figure>& figures);
void measureMemoryFigure(QList<Figure>& figures);
