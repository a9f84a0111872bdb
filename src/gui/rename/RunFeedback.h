#pragma once

#include "gui/PaintPace.h"
#include "rename/RunObserver.h"

class PlatformServices;
class Progress;
class QLineEdit;

// Shows a run's progress on the window (the progress bar, and the count of Text2 in the batch
// pass) and asks the distribution's warning through the platform.
class RunFeedback final : public RunObserver
{
public:
    RunFeedback(QLineEdit* rowCountField, Progress& progress, PlatformServices& platform, qint64 dataRows);

    // The batch pass counts its rows in Text2; the derivation does not.
    void setCountsRows(bool counts) { m_countsRows = counts; }
    void showRowCount(qint64 rows);

    void rowReached(qint64 index) override;
    bool acceptFolderForm() override;

private:
    QLineEdit* m_rowCountField;
    Progress& m_progress;
    PlatformServices& m_platform;
    qint64 m_step;
    qint64 m_shownRows = -1;
    bool m_countsRows = false;
    PaintPace m_pace;
};
