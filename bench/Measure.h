#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

// Median wall time of several runs after warm-up runs. prepare runs before each run, untimed.
struct Measurement
{
    double medianMs = 0;
    qint64 peakKiB = 0; // highest resident set seen during the runs
};

Measurement measure(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {},
                    int warmUps = 1);

// Two measurements taken in turns, prepare before each run, so that what the machine does in
// the background (writing back, discarding freed blocks) falls on both alike.
std::pair<Measurement, Measurement> measureInTurns(int runs, const std::function<void()>& work,
                                                   const std::function<void()>& baseline,
                                                   const std::function<void()>& prepare);

// `find` over the folder with those arguments, its output read in full: the listing people
// already trust, as the baseline of what lists or scans a tree.
Measurement measureFind(int runs, const QString& folder, const QStringList& arguments = {});

// Resets the kernel's high-water mark of resident memory, then reads it back.
void resetPeakMemory();
qint64 peakMemoryKiB();
// What the process holds in memory now.
qint64 residentMemoryKiB();
