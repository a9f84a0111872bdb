#pragma once

#include <QElapsedTimer>

// Lets a long run paint its progress a few dozen times a second at most: the eye sees no
// more, and a synchronous repaint per step would cost a small run more than its work.
class PaintPace
{
public:
    // Whether the interval has passed since the last paint (always, before the first).
    bool due() const { return !m_clock.isValid() || m_clock.elapsed() >= intervalMs; }
    void painted() { m_clock.start(); }
    void restart() { m_clock.invalidate(); }

private:
    static constexpr qint64 intervalMs = 40;
    QElapsedTimer m_clock;
};
