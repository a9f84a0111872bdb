#pragma once

#include "rename/RenameChains.h"
#include "rename/RenameSteps.h"
#include "rename/RunSettings.h"

class Sheet;

// Everything a run will do, worked out from the table and the mode settings before any file
// is touched: the table is read once, here.
struct RenamePlan
{
    qsizetype dataRows = 0;
    // The distribution's pre-pass: the folder of every row, created when missing.
    RenameSteps folders;
    bool batchRuns = false;
    RenameSteps batch;
    // Renaming in place: the batch renames, in the order of batchChains.
    bool batchRenamesInPlace = false;
    RenameChains batchChains;
    bool derivationRuns = false;
    RenameSteps derivation;

    static RenamePlan fromTable(const Sheet& sheet, const RunSettings& settings);
    // The first data row whose new name (column C) is empty; 0 when every row has one.
    static qsizetype firstRowWithoutNewName(const Sheet& sheet);
};
