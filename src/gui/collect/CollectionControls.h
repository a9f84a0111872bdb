#pragma once

class FileListView;
class QComboBox;
class QPushButton;

// The controls that collect files: the file dialog, the folder scan with its type pattern, and
// the file list that takes drops.
struct CollectionControls
{
    QPushButton* Command5 = nullptr; // 选择文件
    QPushButton* Command4 = nullptr; // 选择目录
    QComboBox* Combo1 = nullptr;     // 文件类型
    FileListView* List1 = nullptr;
};
