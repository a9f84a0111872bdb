#include "app/ProgressBarProgress.h"

#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {
int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}
} // namespace

void ProgressBarProgress::setMaximum(qint64 maximum)
{
    // The bar needs a maximum above its minimum of 0; any other setting leaves it as it is.
    if (maximum <= 0)
        return;
    m_maximum = maximum;
    m_shown = -1;
    m_bar->setMaximum(clampToInt(maximum));
}

void ProgressBarProgress::setValue(qint64 value)
{
    if (value < 0 || value > m_maximum)
        return;
    const qint64 step = std::max<qint64>(1, m_maximum / 200);
    if (value != m_maximum && m_shown >= 0 && value >= m_shown && value - m_shown < step)
        return;
    m_shown = value;
    m_bar->setValue(clampToInt(value));
}
