#pragma once

#include <QString>

// The mode settings of the main window as the run reads them.
struct RunSettings
{
    enum class BatchMode
    {
        None,
        RenameInPlace, // 同位置改名
        CopyToTarget,  // 异位置改名: into the folder of column G
        Distribute,    // 文件分配器: into the folder named in column C
    };

    bool batch = false; // 批量 (Check1)
    BatchMode batchMode = BatchMode::RenameInPlace;
    bool derive = false;       // 单文件衍生 (Check2)
    bool deriveInPlace = true; // 同位置衍生; otherwise into the folder of column G

    bool operator==(const RunSettings&) const = default;
};
