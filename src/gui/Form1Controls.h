#pragma once

#include "gui/WindowControls.h"
#include "gui/collect/CollectionControls.h"
#include "gui/rename/ModeControls.h"
#include "gui/rename/RunControls.h"
#include "gui/rules/RuleControls.h"

class QPushButton;

// Every control of the main window that code acts on, in one group per feature. The window
// hands each feature its own group and keeps its own.
struct Form1Controls
{
    WindowControls window;
    CollectionControls collection;
    ModeControls modes;
    RuleControls rules;
    RunControls run;
    QPushButton* Command14 = nullptr; // 建立规则
    QPushButton* Command15 = nullptr; // 导出Excel
    QPushButton* Command16 = nullptr; // 导入
    QPushButton* Command17 = nullptr; // 清空
};
