#pragma once

#include <QString>

class FileListModel;
class FileListView;
class Progress;
class PlatformServices;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QProgressBar;
class QPushButton;
class QRadioButton;
class SheetModel;
class SheetView;

// The main window's controls, under the names the handlers use, and the state they share.
// The window owns all of it; each feature's handlers get a reference.
struct Form1
{
    static QString title() { return QStringLiteral("Renvora 批量改名"); }
    // A message box with the text, the program's title and an OK button.
    void tell(const QString& text) const;

    QMainWindow* window = nullptr;
    PlatformServices* platform = nullptr;
    SheetModel* table = nullptr;    // the rename table shown in sp1
    FileListModel* files = nullptr; // the entries of List1
    Progress* progress = nullptr;   // reports to PBar1
    QString targetFolder;           // the folder chosen for copies

    // File collection
    QPushButton* Command5 = nullptr;  // 选择文件
    QPushButton* Command4 = nullptr;  // 选择目录
    QPushButton* Command17 = nullptr; // 清空
    FileListView* List1 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text3 = nullptr;   // status line
    QGroupBox* Frame10 = nullptr; // 文件类型
    QComboBox* Combo1 = nullptr;
    QLabel* Label9 = nullptr;

    // The rename table
    SheetView* sp1 = nullptr;
    QProgressBar* PBar1 = nullptr;

    // 3、改名模式
    QGroupBox* Frame1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QRadioButton* Option1 = nullptr; // 同位置改名
    QRadioButton* Option2 = nullptr; // 异位置改名
    QRadioButton* Option3 = nullptr; // 文件分配器
    QCheckBox* ysq = nullptr;        // 文件衍生数

    // 4、改名规则
    QGroupBox* Frame2 = nullptr;
    QPushButton* Command14 = nullptr; // 建立规则
    QLineEdit* Text1 = nullptr;       // the target folder

    // 新文件名规则设置
    QGroupBox* Frame4 = nullptr;
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
    QLineEdit* Text2 = nullptr; // files renamed so far during a run

    // 高级公式(源文件名为操作对象)
    QGroupBox* Frame6 = nullptr;
    QCheckBox* Check4 = nullptr; // 高级选项
    QRadioButton* left1 = nullptr;
    QLineEdit* leftext = nullptr;
    QRadioButton* mid1 = nullptr;
    QLineEdit* midbegin = nullptr;
    QLineEdit* midend = nullptr;
    QRadioButton* right1 = nullptr;
    QLineEdit* righttxt = nullptr;

    // 新文件名字符替换
    QGroupBox* Frame5 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* findtxt = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* reptxt = nullptr;
    QPushButton* Command1 = nullptr;

    // 单文件衍生数
    QGroupBox* Frame8 = nullptr;
    QCheckBox* Check2 = nullptr;
    QRadioButton* yss1 = nullptr; // 同位置衍生
    QRadioButton* yss2 = nullptr; // 复制到其他位置衍生
    QLineEdit* yanshengshu = nullptr;
    QPushButton* Command2 = nullptr;

    // Commands
    QPushButton* Command3 = nullptr;  // 开始改名
    QPushButton* cmdUndo = nullptr;   // 撤销改名
    QPushButton* Command12 = nullptr; // 高级选项->>
    QPushButton* Command13 = nullptr; // <<-高级选项
    QPushButton* Command15 = nullptr; // 导出Excel
    QPushButton* Command16 = nullptr; // 导入
};
