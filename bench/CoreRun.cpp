#include "CoreRun.h"
#include "QuietObserver.h"

#include "rename/LinuxFileSystem.h"
#include "rename/RenameExecutor.h"
#include "rename/RenamePlan.h"
#include "rename/RunState.h"

RunResult runOnCore(const Sheet& sheet, const RunSettings& settings)
{
    RunResult result;
    if (RenamePlan::firstRowWithoutNewName(sheet) > 0)
        return result;
    const RenamePlan plan = RenamePlan::fromTable(sheet, settings);
    LinuxFileSystem fileSystem;
    QuietObserver observer;
    RenameExecutor executor(fileSystem, observer);
    RunState state;
    result.prePass = executor.createFolders(plan.folders, state);
    if (plan.batchRuns)
        result.batch = executor.carryOutBatch(plan, state);
    if (plan.derivationRuns)
        result.derivation = executor.carryOut(plan.derivation, state);
    return result;
}
