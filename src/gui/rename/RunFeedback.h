#pragma once

#include "gui/PaintPace.h"
#include "rename/RunObserver.h"

struct Form1;

// Shows a run's progress on the window (PBar1, and the count of Text2 in the batch pass) and
// asks the distribution's warning through the platform.
class RunFeedback final : public RunObserver
{
public:
    RunFeedback(Form1& form, qint64 dataRows);

    // The batch pass counts its rows in Text2; the derivation does not.
    void setCountsRows(bool counts) { m_countsRows = counts; }
    void showRowCount(qint64 rows);

    void rowReached(qint64 index) override;
    bool acceptFolderForm() override;

private:
    Form1& m_form;
    qint64 m_step;
    qint64 m_shownRows = -1;
    bool m_countsRows = false;
    PaintPace m_pace;
};
