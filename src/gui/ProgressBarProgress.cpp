#include "gui/ProgressBarProgress.h"

#include <QMetaObject>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {
int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}
} // namespace

ProgressBarProgress::ProgressBarProgress(QProgressBar* bar) : m_bar(bar) {}

void ProgressBarProgress::setMaximum(qint64 maximum)
{
    // The bar needs a maximum above its minimum of 0; any other setting leaves it as it is.
    if (maximum <= 0)
        return;
    m_maximum = maximum;
    m_shown = -1;
    m_skipped->value = -1;
    m_pace.restart();
    m_bar->setMaximum(clampToInt(maximum));
}

void ProgressBarProgress::setValue(qint64 value)
{
    if (value < 0 || value > m_maximum)
        return;
    // The end and any step back are always shown; a step forward once it moves the bar and
    // the last paint is long enough ago.
    const bool forward = m_shown >= 0 && value >= m_shown && value != m_maximum;
    const qint64 step = std::max<qint64>(1, m_maximum / 200);
    if (forward && (value - m_shown < step || !m_pace.due()))
        skip(value);
    else
        show(value);
}

void ProgressBarProgress::show(qint64 value)
{
    m_shown = value;
    m_skipped->value = -1;
    m_pace.painted();
    m_bar->setValue(clampToInt(value));
}

void ProgressBarProgress::skip(qint64 value)
{
    m_skipped->value = value;
    if (m_skipped->queued)
        return;
    m_skipped->queued = true;
    // The bar is the call's context: a bar that is gone takes the call with it.
    QMetaObject::invokeMethod(
        m_bar,
        [bar = m_bar, skipped = m_skipped] {
            skipped->queued = false;
            if (skipped->value >= 0)
                bar->setValue(clampToInt(skipped->value));
            skipped->value = -1;
        },
        Qt::QueuedConnection);
}
