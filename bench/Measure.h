#pragma once

#include <QString>
#include <functional>

// Median wall time of several runs after a warm-up. prepare runs before each run, untimed.
struct Measurement
{
    double medianMs = 0;
    qint64 peakKiB = 0; // highest resident set seen during the runs
};

Measurement measure(int runs, const std::function<void()>& work, const std::function<void()>& prepare = {});

// Resets the kernel's high-water mark of resident memory, then reads it back.
void resetPeakMemory();
qint64 peakMemoryKiB();
