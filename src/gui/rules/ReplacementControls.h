#pragma once

class QLineEdit;
class QPushButton;

// 新文件名字符替换: what to find in the new names and what replaces it.
struct ReplacementControls
{
    QLineEdit* findtxt = nullptr;
    QLineEdit* reptxt = nullptr;
    QPushButton* Command1 = nullptr;
};
