#pragma once

#include "gui/rename/RunControls.h"
#include "rename/RunResult.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class FileSystem;
class ModeHandlers;
class PlatformServices;
class Progress;
class RenameExecutor;
struct RenamePlan;
class RunFeedback;
struct RunSettings;
struct RunState;
class Sheet;

// Handlers of 开始改名 (Command3), which carries the rename table out on the file system, and of
// 撤销改名 (cmdUndo), which puts back what the last run did. The undo is offered from a run
// that changed the disk until the next run or the next collection of files.
class RunHandler : public QObject
{
    Q_OBJECT

public:
    RunHandler(const RunControls& controls, PlatformServices& platform, Sheet& sheet, ModeHandlers& modes,
               Progress& progress);
    ~RunHandler() override;

    // The click of Command3.
    void run();
    // Asked before a run starts: why the table's new names are not final yet, in Chinese (empty
    // when they are); a reason refuses the run.
    void setUnfinishedCheck(std::function<QString()> unfinished) { m_unfinished = std::move(unfinished); }
    // The click of cmdUndo.
    void undoLastRun();

public Q_SLOTS:
    // The last run is no longer offered for undo.
    void forgetLastRun();

Q_SIGNALS:
    void statusChanged(const QString& text);
    // A run or an undo is over: files may have other names now.
    void diskChanged();
    // The run is about to plan the whole table; diskChanged follows when it is over.
    void runStarting();

private:
    // Returns false when the user ended the run.
    // The plan's passes, one after the other; a cancelled batch pass ends the run.
    void carryOut(const RenamePlan& plan, const RunSettings& settings);
    bool runBatch(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                  RunState& state, RunFeedback& feedback);
    void runDerivation(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                       RunState& state);
    // Keeps the record of the run just made when it changed the disk, else the previous one.
    void keepRecord(RunResult previous);
    void offerUndo();
    void markFailures(const std::vector<FailedOperation>& failures);

    const RunControls m_controls;
    PlatformServices& m_platform;
    Sheet& m_sheet;
    ModeHandlers& m_modes;
    Progress& m_progress;
    std::unique_ptr<FileSystem> m_fileSystem;
    RunResult m_lastRun;
    std::function<QString()> m_unfinished;
};
