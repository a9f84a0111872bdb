#pragma once

#include "rename/RunResult.h"

#include <QObject>
#include <memory>
#include <vector>

struct Form1;
class FileSystem;
class RenameExecutor;
struct RenamePlan;
class RunFeedback;
struct RunSettings;
struct RunState;

// Handlers of 开始改名 (Command3), which carries the rename table out on the file system, and of
// 撤销改名 (cmdUndo), which puts back what the last run did. The undo is offered from a run
// that changed the disk until the next run or the next collection of files.
class RunHandler : public QObject
{
    Q_OBJECT

public:
    explicit RunHandler(Form1& form);
    ~RunHandler() override;

    // The click of Command3.
    void run();
    // The click of cmdUndo.
    void undoLastRun();
    // What the last run did to the disk.
    const RunResult& lastRun() const { return m_lastRun; }

private:
    RunSettings readSettings() const;
    // Returns false when the user ended the run.
    bool runBatch(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                  RunState& state, RunFeedback& feedback);
    void runDerivation(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                       RunState& state);
    void forgetLastRun();
    void offerUndo();
    void markFailures(const std::vector<FailedOperation>& failures);

    Form1& m_form;
    std::unique_ptr<FileSystem> m_fileSystem;
    RunResult m_lastRun;
};
