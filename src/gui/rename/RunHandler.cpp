#include "gui/rename/RunHandler.h"

#include "gui/Form1.h"
#include "gui/PlatformServices.h"
#include "base/NativeName.h"
#include "collect/FileListModel.h"
#include "rename/DerivationTable.h"
#include "rename/LinuxFileSystem.h"
#include "rename/RenameExecutor.h"
#include "rename/RenamePlan.h"
#include "gui/rename/RunFeedback.h"
#include "rename/RunReport.h"
#include "rename/RunSettings.h"
#include "rename/RunState.h"
#include "rename/RunUndo.h"
#include "base/Progress.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

RunHandler::RunHandler(Form1& form) : m_form(form), m_fileSystem(std::make_unique<LinuxFileSystem>())
{
    connect(m_form.Command3, &QPushButton::clicked, this, &RunHandler::run);
    connect(m_form.cmdUndo, &QPushButton::clicked, this, &RunHandler::undoLastRun);
    // Every collection starts by emptying the file list; from then on the last run is no
    // longer offered for undo.
    connect(m_form.files, &QAbstractItemModel::modelReset, this, &RunHandler::forgetLastRun);
    m_form.cmdUndo->setEnabled(false);
}

RunHandler::~RunHandler() = default;

RunSettings RunHandler::readSettings() const
{
    RunSettings settings;
    settings.batch = m_form.Check1->isChecked();
    if (m_form.Option1->isChecked())
        settings.batchMode = RunSettings::BatchMode::RenameInPlace;
    else if (m_form.Option2->isChecked())
        settings.batchMode = RunSettings::BatchMode::CopyToTarget;
    else if (m_form.Option3->isChecked())
        settings.batchMode = RunSettings::BatchMode::Distribute;
    else
        settings.batchMode = RunSettings::BatchMode::None;
    settings.derive = m_form.Check2->isChecked();
    settings.deriveInPlace = m_form.yss1->isChecked();
    return settings;
}

void RunHandler::run()
{
    Sheet& sheet = m_form.table->sheet();
    // Every row needs its new name before any file is touched.
    if (RenamePlan::firstRowWithoutNewName(sheet) > 0) {
        m_form.tell(QStringLiteral("新文件名列没有建立规则（或有单元格为空）！请建立规则后重新开始改名！"));
        return;
    }
    const RunSettings settings = readSettings();
    const RenamePlan plan = RenamePlan::fromTable(sheet, settings);
    {
        Sheet::Batch batch(sheet);
        sheet.clearRowMarks();
    }

    forgetLastRun();
    m_form.progress->setMaximum(plan.dataRows);
    RunFeedback feedback(m_form, plan.dataRows);
    RenameExecutor executor(*m_fileSystem, feedback);
    RunState state;
    m_lastRun.prePass = executor.createFolders(plan.folders, state);

    if (plan.batchRuns) {
        if (!runBatch(plan, settings, executor, state, feedback)) {
            offerUndo();
            return;
        }
    } else if (!m_lastRun.prePass.failures.empty()) {
        // No summary follows the pre-pass alone, but its failures are still told.
        markFailures(m_lastRun.prePass.failures);
        m_form.tell(RunReport::failureSection(m_lastRun.prePass.failures));
    }
    if (plan.derivationRuns)
        runDerivation(plan, settings, executor, state);
    offerUndo();
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
    m_form.Text3->setText(status);
    m_form.tell(RunReport::batchMessage(status, batch.unchanged, failures));
    return !batch.cancelled;
}

void RunHandler::runDerivation(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                               RunState& state)
{
    // Each copy goes beside its file: the table shows that folder as the new one.
    if (settings.deriveInPlace)
        DerivationTable::writeCopyFolders(m_form.table->sheet(), std::nullopt);
    else
        m_form.Text1->setText(NativeName::display(m_form.targetFolder));
    const PhaseResult& derivation = m_lastRun.derivation = executor.carryOut(plan.derivation, state);
    markFailures(derivation.failures);
    m_form.tell(RunReport::derivationMessage(derivation.done(), derivation.failures));
}

void RunHandler::undoLastRun()
{
    const PhaseResult undone = RunUndo(*m_fileSystem, *m_form.progress).undo(m_lastRun);
    forgetLastRun();
    Sheet& sheet = m_form.table->sheet();
    {
        Sheet::Batch batch(sheet);
        sheet.clearRowMarks();
    }
    markFailures(undone.failures);
    const QString status = RunReport::undoStatus(undone.done());
    m_form.Text3->setText(status);
    m_form.tell(RunReport::undoMessage(status, undone.failures));
}

void RunHandler::forgetLastRun()
{
    m_lastRun = {};
    m_form.cmdUndo->setEnabled(false);
}

void RunHandler::offerUndo()
{
    m_form.cmdUndo->setEnabled(m_lastRun.changedDisk());
}

void RunHandler::markFailures(const std::vector<FailedOperation>& failures)
{
    Sheet& sheet = m_form.table->sheet();
    Sheet::Batch batch(sheet);
    for (const FailedOperation& failure : failures)
        sheet.markRow(failure.row, failure.outcome.reason());
}
