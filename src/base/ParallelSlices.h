#pragma once

#include <QSemaphore>
#include <QThreadPool>

#include <algorithm>
#include <atomic>

// Runs work(first, end) over the indexes [0, count) in slices, on the calling thread and on
// whatever threads of the global pool are free at once, and returns when every slice is done.
// The calling thread takes slices too, so a busy pool only means the work is not shared: it
// never waits for a thread to come free. work must only touch what its own slice owns.
template <typename Work> void forEachSliceInParallel(qsizetype count, qsizetype sliceSize, const Work& work)
{
    const qsizetype slices = (count + sliceSize - 1) / sliceSize;
    std::atomic<qsizetype> next = 0;
    const auto drain = [&] {
        for (qsizetype slice; (slice = next.fetch_add(1)) < slices;)
            work(slice * sliceSize, std::min(count, (slice + 1) * sliceSize));
    };
    QSemaphore done;
    int helpers = 0;
    QThreadPool* pool = QThreadPool::globalInstance();
    const int wanted = int(std::min<qsizetype>(slices, pool->maxThreadCount())) - 1;
    for (int i = 0; i < wanted; ++i) {
        if (!pool->tryStart([&] {
                drain();
                done.release();
            }))
            break;
        ++helpers;
    }
    drain();
    done.acquire(helpers);
}
