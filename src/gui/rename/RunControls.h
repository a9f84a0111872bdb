#pragma once

class QLineEdit;
class QPushButton;

// The controls of a run: 开始改名, 撤销改名 and the count of files renamed so far.
struct RunControls
{
    QPushButton* Command3 = nullptr; // 开始改名
    QPushButton* cmdUndo = nullptr;  // 撤销改名
    QLineEdit* Text2 = nullptr;      // files renamed so far during a run
};
