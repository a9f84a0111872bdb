#pragma once

#include "rename/RenameOperation.h"
#include "rename/RunSettings.h"

#include <optional>

class Sheet;

// What the run does with one row of the table, judged by that row alone: the operation of
// each pass, refused when its cells ask for something the run will not do. Whatever depends
// on other rows (two rows writing one name) is decided over the whole pass.
struct RowPlan
{
    // Which passes the settings run; the same for every row.
    struct Passes
    {
        bool folders = false; // the distribution's pre-pass
        bool batch = false;
        bool derivation = false;
        bool batchRenamesInPlace = false;

        static Passes of(const RunSettings& settings);
    };

    std::optional<RenameOperation> folder;
    std::optional<RenameOperation> batch;
    std::optional<RenameOperation> derivation;

    static RowPlan of(const Sheet& sheet, qsizetype row, const RunSettings& settings, const Passes& passes);
    // Every row needs its new name (column C) before the run touches any file.
    static bool lacksNewName(const Sheet& sheet, qsizetype row);
};
