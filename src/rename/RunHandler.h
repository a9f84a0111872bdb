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

// Handlers of 开始改名 (Command3): carries the rename table out on the file system.
class RunHandler : public QObject
{
    Q_OBJECT

public:
    explicit RunHandler(Form1& form);
    ~RunHandler() override;

    // The click of Command3.
    void run();
    // What the last run did to the disk.
    const RunResult& lastRun() const { return m_lastRun; }

private:
    RunSettings readSettings() const;
    // Returns false when the user ended the run.
    bool runBatch(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor,
                  RunFeedback& feedback);
    void runDerivation(const RenamePlan& plan, const RunSettings& settings, RenameExecutor& executor);
    void markFailures(const std::vector<FailedOperation>& failures);
    void writeDerivationFolders();
    void tell(const QString& text);

    Form1& m_form;
    std::unique_ptr<FileSystem> m_fileSystem;
    RunResult m_lastRun;
};
