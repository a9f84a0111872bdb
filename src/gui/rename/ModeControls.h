#pragma once

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The controls of the rename modes (3、改名模式), of the single-file derivation (单文件衍生数)
// and the field that shows the target folder of copies.
struct ModeControls
{
    QCheckBox* Check1 = nullptr;     // batch renaming
    QRadioButton* Option1 = nullptr; // 同位置改名
    QRadioButton* Option2 = nullptr; // 异位置改名
    QRadioButton* Option3 = nullptr; // 文件分配器
    QCheckBox* ysq = nullptr;        // 文件衍生数
    QCheckBox* Check2 = nullptr;     // single-file derivation
    QRadioButton* yss1 = nullptr;    // 同位置衍生
    QRadioButton* yss2 = nullptr;    // 复制到其他位置衍生
    QLineEdit* yanshengshu = nullptr;
    QPushButton* Command2 = nullptr;
    QLineEdit* Text1 = nullptr; // the target folder
};
