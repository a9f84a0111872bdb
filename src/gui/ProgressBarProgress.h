#pragma once

#include "base/Progress.h"
#include "gui/PaintPace.h"

#include <memory>

class QProgressBar;

// Reports progress to the window's progress bar, repainting only when the bar would visibly move
// and not more often than the eye follows. A value it skips is shown once the event loop next
// runs, so the bar never stays behind when the work stops short of its maximum.
class ProgressBarProgress final : public Progress
{
public:
    explicit ProgressBarProgress(QProgressBar* bar);

    void setMaximum(qint64 maximum) override;
    void setValue(qint64 value) override;

private:
    // The last skipped value, shared with the queued call that shows it; -1 when none waits.
    struct Skipped
    {
        qint64 value = -1;
        bool queued = false;
    };

    void show(qint64 value);
    void skip(qint64 value);

    QProgressBar* m_bar;
    qint64 m_maximum = 0;
    qint64 m_shown = -1;
    PaintPace m_pace;
    std::shared_ptr<Skipped> m_skipped = std::make_shared<Skipped>();
};
