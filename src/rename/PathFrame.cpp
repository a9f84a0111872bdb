#include "rename/PathFrame.h"

#include <QHashFunctions>

#include <algorithm>
#include <array>
#include <mutex>
#include <unordered_map>

const QString PathFrame::s_empty;

namespace {

bool sameText(const QString& a, const QString& b)
{
    return a.size() == b.size() && (a.constData() == b.constData() || a == b);
}

} // namespace

// The frames by the hash of their texts. A frame whose last path is going stays findable
// until that release takes the lock, but is never held again: a path made meanwhile gets a
// new frame, which takes the old one's place.
class FrameTable
{
public:
    using Shared = PathFrame::Shared;

    static FrameTable& instance()
    {
        // Never destroyed: paths held by static objects may go after it would have.
        static FrameTable* const table = new FrameTable;
        return *table;
    }

    static bool holds(const Shared* frame, const QString& folder, const QString& extension)
    {
        return sameText(frame->folder, folder) && sameText(frame->extension, extension);
    }

    // One more path, unless the last one has gone already.
    static bool tryHold(Shared* frame)
    {
        int paths = frame->paths.load(std::memory_order_relaxed);
        while (paths > 0)
            if (frame->paths.compare_exchange_weak(paths, paths + 1, std::memory_order_relaxed))
                return true;
        return false;
    }

    Shared* intern(const QString& folder, const QString& extension)
    {
        const size_t hash = qHashMulti(0, folder, extension);
        const std::lock_guard lock(m_mutex);
        auto [at, end] = m_frames.equal_range(hash);
        for (; at != end; ++at)
            if (holds(at->second, folder, extension)) {
                if (tryHold(at->second))
                    return at->second;
                m_frames.erase(at);
                break;
            }
        Shared* const frame = new Shared(hash, folder, extension);
        m_frames.emplace(hash, frame);
        return frame;
    }

    // Takes the frame out, unless a path made meanwhile has put a new one in its place.
    void remove(Shared* frame)
    {
        const std::lock_guard lock(m_mutex);
        auto [at, end] = m_frames.equal_range(frame->hash);
        for (; at != end; ++at)
            if (at->second == frame) {
                m_frames.erase(at);
                return;
            }
    }

    qsizetype count()
    {
        const std::lock_guard lock(m_mutex);
        return qsizetype(m_frames.size());
    }

private:
    std::mutex m_mutex;
    std::unordered_multimap<size_t, Shared*> m_frames;
};

namespace {

// The frames this thread made paths with last, the latest first: rows of one folder follow
// each other, with a few extensions mixed, and a row's source and destination often differ
// only in their frames, so these settle most rows without the lock.
struct RecentFrames
{
    std::array<PathFrame, 8> frames;

    // The frame of these texts, brought to the front.
    const PathFrame* find(const QString& folder, const QString& extension)
    {
        for (auto at = frames.begin(); at != frames.end() && !at->isNull(); ++at)
            if (sameText(at->folder(), folder) && sameText(at->extension(), extension)) {
                std::rotate(frames.begin(), at, at + 1);
                return &frames.front();
            }
        return nullptr;
    }

    // A frame not among them, in front; the one used longest ago goes.
    void add(const PathFrame& frame)
    {
        std::rotate(frames.begin(), frames.end() - 1, frames.end());
        frames.front() = frame;
    }
};

thread_local RecentFrames recentFrames;

} // namespace

PathFrame PathFrame::of(const QString& folder, const QString& extension)
{
    if (folder.isEmpty() && extension.isEmpty())
        return {};
    RecentFrames& recent = recentFrames;
    if (const PathFrame* known = recent.find(folder, extension))
        return *known;
    PathFrame frame(FrameTable::instance().intern(folder, extension));
    recent.add(frame);
    return frame;
}

PathFrame& PathFrame::operator=(const PathFrame& other) noexcept
{
    PathFrame copy(other);
    std::swap(d, copy.d);
    return *this;
}

PathFrame& PathFrame::operator=(PathFrame&& other) noexcept
{
    PathFrame moved(std::move(other));
    std::swap(d, moved.d);
    return *this;
}

void PathFrame::leave(Shared* frame)
{
    FrameTable::instance().remove(frame);
    delete frame;
}

qsizetype PathFrame::count()
{
    return FrameTable::instance().count();
}
