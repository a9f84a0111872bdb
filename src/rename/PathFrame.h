#pragma once

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <utility>

// The folder and the extension around a file's name, held once for every path that has them:
// a million paths of a thousand folders hold a few thousand frames. Frames live in a table of
// the whole process, shared between threads, and leave it with the last path that holds them.
// Each thread also keeps the few frames it made paths with last, so that planning rows that
// hold no paths does not make and drop frames row by row. A null frame stands for an empty
// folder and an empty extension.
class PathFrame
{
public:
    PathFrame() = default;
    // The frame of these texts: the one already held, or a new one that keeps the texts given.
    static PathFrame of(const QString& folder, const QString& extension);

    PathFrame(const PathFrame& other) noexcept : d(other.d)
    {
        if (d)
            d->paths.fetch_add(1, std::memory_order_relaxed);
    }
    PathFrame(PathFrame&& other) noexcept : d(std::exchange(other.d, nullptr)) {}
    PathFrame& operator=(const PathFrame& other) noexcept;
    PathFrame& operator=(PathFrame&& other) noexcept;
    ~PathFrame()
    {
        if (d && d->paths.fetch_sub(1, std::memory_order_acq_rel) == 1)
            leave(d);
    }

    const QString& folder() const { return d ? d->folder : s_empty; }
    const QString& extension() const { return d ? d->extension : s_empty; }
    bool isNull() const { return !d; }
    friend bool operator==(const PathFrame& a, const PathFrame& b) { return a.d == b.d; }

    // How many frames the table holds, those each thread keeps for its next paths among them.
    static qsizetype count();

private:
    friend class FrameTable;

    struct Shared
    {
        Shared(size_t h, const QString& f, const QString& e) : hash(h), folder(f), extension(e) {}
        // The paths holding the frame; once it reaches 0 the frame leaves the table for good.
        std::atomic<int> paths = 1;
        const size_t hash;
        const QString folder;
        const QString extension;
    };

    explicit PathFrame(Shared* shared) : d(shared) {}
    // The last path has gone: the frame leaves the table.
    static void leave(Shared* frame);

    static const QString s_empty;
    Shared* d = nullptr;
};
