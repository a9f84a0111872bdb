#include "gui/rename/RunHandler.h"

#include "base/Progress.h"
#include "gui/PlatformServices.h"
#include "gui/rename/ModeHandlers.h"
#include "gui/rename/RunFeedback.h"
#include "rename/DerivationTable.h"
#include "rename/LinuxFileSystem.h"
#include "rename/RenameExecutor.h"
#include "rename/RenamePlan.h"
#include "rename/RunReport.h"
#include "rename/RunSettings.h"
#include "rename/RunState.h"
#include "rename/RunUndo.h"
#include "table/Sheet.h"

#include <QPushButton>
#include <algorithm>
#include <utility>

namespace {

// An undo of more files than this asks first.
constexpr qint64 QuietUndoLimit = 1000;

} // namespace

RunHandler::RunHandler(const RunControls& controls, PlatformServices& platform, Sheet& sheet,
                       ModeHandlers& modes, Progress& progress)
    : m_controls(controls), m_platform(platform), m_sheet(sheet), m_modes(modes), m_progress(progress),
      m_fileSystem(std::make_unique<LinuxFileSystem>())
{
    connect(m_controls.Command3, &QPushButton::clicked, this, &RunHandler::run);
    connect(m_controls.cmdUndo, &QPushButton::clicked, this, &RunHandler::undoLastRun);
    m_controls.cmdUndo->setEnabled(false);
}

RunHandler::~RunHandler() = default;

void RunHandler::run()
{
    if (const QString unfinished = m_unfinished ? m_unfinished() : QString(); !unfinished.isEmpty()) {
        m_platform.tell(unfinished);
        return;
    }
    // Every row needs its new name before any file is touched.
    if (RenamePlan::firstRowWithoutNewName(m_sheet) > 0) {
        m_platform.tell(
            QStringLiteral("新文件名列没有建立规则（或有单元格为空）！请建立规则后重新开始改名！"));
        return;
    }
    const RunSettings settings = m_modes.settings();
    Q_EMIT runStarting();
    // A run that changes nothing (every row failing over files already renamed, say) leaves the
    // record of the run before it, which still undoes what is on the disk.
    RunResult previous = std::exchange(m_lastRun, {});
    carryOut(RenamePlan::fromTable(m_sheet, settings), settings);
    // The plan is gone by now, but for the steps the record shares: what the window works out
    // afresh after a run is not held beside it.
    keepRecord(std::move(previous));
}

void RunHandler::carryOut(const RenamePlan& plan, const RunSettings& settings)
{
    {
        Sheet::Batch batch(m_sheet);
        m_sheet.clearRowMarks();
    }
    m_progress.setMaximum(plan.dataRows);
    RunFeedback feedback(m_controls.Text2, m_progress, m_platform, plan.dataRows);
    RenameExecutor executor(*m_fileSystem, feedback);
    RunState state;
    m_lastRun.prePass = executor.createFolders(plan.folders, state);

    if (plan.batchRuns) {
        if (!runBatch(plan, settings, executor, state, feedback))
            return;
    } else if (!m_lastRun.prePass.failures.empty()) {
        // No summary follows the pre-pass alone, but its failures are still told.
        markFailures(m_lastRun.prePass.failures);
        m_platform.tell(RunReport::failureSection(m_lastRun.prePass.failures));
    }
    if (plan.derivationRuns)
        runDerivation(plan, settings, executor, state);
}

void RunHandler::keepRecord(RunResult previous)
{
    if (!m_lastRun.changedDisk())
        m_lastRun = std::move(previous);
    offerUndo();
    Q_EMIT diskChanged();
}

bool RunHandler::runBatch(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                          RunState& state, RunFeedback& feedback)
{
    feedback.setCountsRows(true);
    const PhaseResult& batch = m_lastRun.batch = executor.carryOutBatch(plan, state);
    // A cancelled pass did the rows above the one it stopped at.
    feedback.showRowCount(batch.cancelled ? Sheet::dataIndexOf(batch.stoppedAtRow) - 1 : plan.dataRows);
    feedback.setCountsRows(false);

    // The pre-pass belongs to this pass: its failures are the rows' failures.
    std::vector<FailedOperation> failures = m_lastRun.prePass.failures;
    failures.insert(failures.end(), batch.failures.begin(), batch.failures.end());
    markFailures(failures);
    // Only renaming and copying count renamed files; anything else counts distributed ones.
    const bool renames = settings.batchMode == RunSettings::BatchMode::RenameInPlace ||
                         settings.batchMode == RunSettings::BatchMode::CopyToTarget;
    const QString status = RunReport::batchStatus(plan.dataRows, batch.done(), !renames);
    // The status line names the first failed row, for those who do not see the red.
    if (failures.empty()) {
        Q_EMIT statusChanged(status);
    } else {
        const auto first = std::min_element(failures.begin(), failures.end(),
                                            [](const auto& a, const auto& b) { return a.row < b.row; });
        Q_EMIT statusChanged(status + QStringLiteral("  首个失败:第%1行").arg(first->row));
    }
    m_platform.tell(RunReport::batchMessage(status, batch.unchanged, failures));
    return !batch.cancelled;
}

void RunHandler::runDerivation(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                               RunState& state)
{
    // Each copy goes beside its file: the table shows that folder as the new one.
    if (settings.deriveInPlace)
        DerivationTable::writeCopyFolders(m_sheet, std::nullopt);
    else
        m_modes.showTargetFolder();
    const PhaseResult& derivation = m_lastRun.derivation = executor.carryOut(plan.derivation, state);
    markFailures(derivation.failures);
    m_platform.tell(RunReport::derivationMessage(derivation.done(), derivation.failures));
}

void RunHandler::undoLastRun()
{
    const qint64 files = m_lastRun.changedFiles();
    if (files > QuietUndoLimit &&
        m_platform.showMessage(QStringLiteral("将撤销%1个文件的改名，是否继续？").arg(files),
                               PlatformServices::programTitle(), PlatformServices::Buttons::OkCancel,
                               PlatformServices::Icon::None) != PlatformServices::Answer::Ok)
        return;
    const PhaseResult undone = RunUndo(*m_fileSystem, m_progress).undo(m_lastRun);
    forgetLastRun();
    {
        Sheet::Batch batch(m_sheet);
        m_sheet.clearRowMarks();
    }
    markFailures(undone.failures);
    const QString status = RunReport::undoStatus(undone.done());
    Q_EMIT statusChanged(status);
    m_platform.tell(RunReport::undoMessage(status, undone.failures));
    Q_EMIT diskChanged();
}

void RunHandler::forgetLastRun()
{
    m_lastRun = {};
    m_controls.cmdUndo->setEnabled(false);
}

void RunHandler::offerUndo()
{
    m_controls.cmdUndo->setEnabled(m_lastRun.changedDisk());
}

void RunHandler::markFailures(const std::vector<FailedOperation>& failures)
{
    Sheet::Batch batch(m_sheet);
    for (const FailedOperation& failure : failures)
        m_sheet.markRow(failure.row, failure.outcome.reason());
}
