#pragma once

#include "rename/RunResult.h"
#include "rename/RunSettings.h"

class Sheet;

// What 开始改名 does to the disk, called on the core alone: the check of the new names, the
// plan and its execution, without a window.
RunResult runOnCore(const Sheet& sheet, const RunSettings& settings);
