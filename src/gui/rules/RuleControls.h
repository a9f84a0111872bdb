#pragma once

#include "gui/rules/ExtractionControls.h"
#include "gui/rules/ReplacementControls.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The controls of the new-name rules (新文件名规则设置): each rule's box, its text and its ">>"
// button, with the extraction and the replacement of the advanced panel.
struct RuleControls
{
    QCheckBox* Check3 = nullptr; // 自动编号
    QLineEdit* bianhaoqian = nullptr;
    QPushButton* Command6 = nullptr;
    QCheckBox* fengefu = nullptr; // 分隔符
    QLineEdit* fengefutxt = nullptr;
    QPushButton* Command7 = nullptr;
    QCheckBox* qianzhui = nullptr; // 文件名前
    QLineEdit* qianzhuitxt = nullptr;
    QPushButton* Command8 = nullptr;
    QCheckBox* houzhui = nullptr; // 文件名后
    QLineEdit* houzhuitxt = nullptr;
    QPushButton* Command9 = nullptr;
    QCheckBox* riqi = nullptr; // 日期
    QLineEdit* riqitxt = nullptr;
    QPushButton* Command10 = nullptr;
    QCheckBox* banben = nullptr; // 版本
    QLineEdit* banbentxt = nullptr;
    QPushButton* Command11 = nullptr;
    ExtractionControls extraction;
    ReplacementControls replacement;
};
