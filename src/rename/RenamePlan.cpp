#include "rename/RenamePlan.h"

#include "rename/PlanConflicts.h"
#include "rename/RowPlan.h"
#include "table/Sheet.h"

RenamePlan RenamePlan::fromTable(const Sheet& sheet, const RunSettings& settings)
{
    RenamePlan plan;
    plan.dataRows = sheet.dataRowCount();
    const RowPlan::Passes passes = RowPlan::Passes::of(settings);
    plan.batchRuns = passes.batch;
    plan.derivationRuns = passes.derivation;

    if (passes.folders)
        plan.folders.reserve(plan.dataRows);
    if (plan.batchRuns)
        plan.batch.reserve(plan.dataRows);
    if (plan.derivationRuns)
        plan.derivation.reserve(plan.dataRows);

    for (const qsizetype r : sheet.dataRows()) {
        RowPlan row = RowPlan::of(sheet, r, settings, passes);
        if (row.folder)
            plan.folders.push_back(std::move(*row.folder));
        if (row.batch)
            plan.batch.push_back(std::move(*row.batch));
        if (row.derivation)
            plan.derivation.push_back(std::move(*row.derivation));
    }
    // Whichever row comes first, no two rows of a pass write one name.
    plan.batchRenamesInPlace = passes.batchRenamesInPlace;
    if (plan.batchRenamesInPlace)
        plan.batchChains = RenameChains::plan(plan.batch);
    else if (plan.batchRuns)
        PlanConflicts::refuseSharedDestinations(plan.batch);
    if (plan.derivationRuns)
        PlanConflicts::refuseSharedDestinations(plan.derivation);
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
