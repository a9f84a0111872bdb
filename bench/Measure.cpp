#include "Measure.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <vector>

#include <malloc.h>

Measurement measure(int runs, const std::function<void()>& work, const std::function<void()>& prepare)
{
    std::vector<double> times;
    resetPeakMemory();
    for (int i = 0; i <= runs; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        if (i > 0) // the first run warms caches up
            times.push_back(elapsed.count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peakMemoryKiB()};
}

void resetPeakMemory()
{
    // Give back what earlier figures freed, so their leftovers do not count as this one's peak.
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

qint64 peakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}
