#pragma once

#include "Measure.h"

#include <QList>
#include <QString>
#include <optional>

// One line of the benchmark table.
struct Figure
{
    QString name;
    qsizetype size = 0;
    Measurement measured;
    std::optional<double> baselineMs; // the reference measured in the same run
    QString target;                   // e.g. "≤1.5x" or "<150ms"
    double limit = 0;                 // ratio limit when there is a baseline, else milliseconds
    bool memoryFigure = false;        // the target is on peak memory (MiB), not time

    double ratio() const { return baselineMs && *baselineMs > 0 ? measured.medianMs / *baselineMs : 0; }
    bool holds() const;
};

// A time target stated for 100,000 files, grown linearly for larger sizes; smaller sizes keep
// it, since fixed costs (a repaint, a message box) do not shrink with the table.
double timeLimitFor(double msAt100000, qsizetype size);

void printTable(const QList<Figure>& figures);
// Growth of each figure between the two largest sizes measured (100,000 and 1,000,000 files).
void printGrowth(const QList<Figure>& figures);
