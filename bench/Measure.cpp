#include "Measure.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <vector>

#include <malloc.h>

Measurement measure(int runs, const std::function<void()>& work, const std::function<void()>& prepare,
                    int warmUps)
{
    std::vector<double> times;
    resetPeakMemory();
    for (int i = 0; i < warmUps + runs; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        if (i >= warmUps)
            times.push_back(elapsed.count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peakMemoryKiB()};
}

std::pair<Measurement, Measurement> measureInTurns(int runs, const std::function<void()>& work,
                                                   const std::function<void()>& baseline,
                                                   const std::function<void()>& prepare)
{
    std::vector<double> times[2];
    const std::function<void()>* both[2] = {&work, &baseline};
    resetPeakMemory();
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            prepare();
            const auto start = std::chrono::steady_clock::now();
            (*both[which])();
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            times[which].push_back(elapsed.count());
        }
    }
    const qint64 peak = peakMemoryKiB();
    auto median = [](std::vector<double>& t) {
        std::sort(t.begin(), t.end());
        return t[t.size() / 2];
    };
    return {{median(times[0]), peak}, {median(times[1]), peak}};
}

Measurement measureFind(int runs, const QString& folder, const QStringList& arguments)
{
    return measure(runs, [&] {
        QProcess process;
        process.start(QStringLiteral("find"), QStringList{folder} + arguments);
        process.waitForFinished(-1);
        (void)process.readAllStandardOutput();
    });
}

void resetPeakMemory()
{
    // Give back what earlier figures freed, so their leftovers do not count as this one's peak.
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

namespace {

// A line of /proc/self/status in KiB, such as "VmHWM:".
qint64 statusKiB(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

} // namespace

qint64 peakMemoryKiB()
{
    return statusKiB("VmHWM:");
}

qint64 residentMemoryKiB()
{
    return statusKiB("VmRSS:");
}
