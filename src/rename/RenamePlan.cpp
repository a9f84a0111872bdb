#include "rename/RenamePlan.h"

#include "rename/PlanConflicts.h"
#include "rename/RowPlan.h"
#include "table/Sheet.h"

static_assert(sizeof(RenameOperation) == 80, "a plan holds a step a row and pass");

RenamePlan RenamePlan::fromTable(const Sheet& sheet, const RunSettings& settings)
{
    RenamePlan plan;
    plan.dataRows = sheet.dataRowCount();
    const RowPlan::Passes passes = RowPlan::Passes::of(settings);
    plan.batchRuns = passes.batch;
    plan.derivationRuns = passes.derivation;

    std::vector<RenameOperation> folders;
    std::vector<RenameOperation> batch;
    std::vector<RenameOperation> derivation;
    if (passes.folders)
        folders.reserve(plan.dataRows);
    if (plan.batchRuns)
        batch.reserve(plan.dataRows);
    if (plan.derivationRuns)
        derivation.reserve(plan.dataRows);

    for (const qsizetype r : sheet.dataRows()) {
        RowPlan row = RowPlan::of(sheet, r, settings, passes);
        if (row.folder)
            folders.push_back(std::move(*row.folder));
        if (row.batch)
            batch.push_back(std::move(*row.batch));
        if (row.derivation)
            derivation.push_back(std::move(*row.derivation));
    }
    // Whichever row comes first, no two rows of a pass write one name.
    plan.batchRenamesInPlace = passes.batchRenamesInPlace;
    if (plan.batchRenamesInPlace)
        plan.batchChains = RenameChains::plan(batch);
    else if (plan.batchRuns)
        PlanConflicts::refuseSharedDestinations(batch);
    if (plan.derivationRuns)
        PlanConflicts::refuseSharedDestinations(derivation);
    plan.folders = std::move(folders);
    plan.batch = std::move(batch);
    plan.derivation = std::move(derivation);
    return plan;
}

qsizetype RenamePlan::firstRowWithoutNewName(const Sheet& sheet)
{
    for (const qsizetype r : sheet.dataRows()) {
        if (RowPlan::lacksNewName(sheet, r))
            return r;
    }
    return 0;
}
