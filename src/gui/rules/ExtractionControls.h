#pragma once

class QLineEdit;
class QRadioButton;

// 高级公式(源文件名为操作对象): which piece of the old name is the name source, and its counts.
struct ExtractionControls
{
    QRadioButton* left1 = nullptr;
    QLineEdit* leftext = nullptr;
    QRadioButton* mid1 = nullptr;
    QLineEdit* midbegin = nullptr;
    QLineEdit* midend = nullptr;
    QRadioButton* right1 = nullptr;
    QLineEdit* righttxt = nullptr;
};
