#pragma once

#include "table/Progress.h"

class QProgressBar;

// Reports progress to the window's progress bar, repainting only when the bar would visibly move.
class ProgressBarProgress final : public Progress
{
public:
    explicit ProgressBarProgress(QProgressBar* bar) : m_bar(bar) {}

    void setMaximum(qint64 maximum) override;
    void setValue(qint64 value) override;

private:
    QProgressBar* m_bar;
    qint64 m_maximum = 0;
    qint64 m_shown = -1;
};
