#pragma once

class FormulaBar;
class QCheckBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class SheetView;

// What the main window keeps for itself: the grid and its formula bar, the status line and the progress bar
// that every feature reports to, and the switches of the advanced panel.
struct WindowControls
{
    SheetView* sp1 = nullptr;
    FormulaBar* formulaBar = nullptr; // the current cell's address and content, above sp1
    QLineEdit* Text3 = nullptr;       // status line
    QProgressBar* PBar1 = nullptr;
    QPushButton* Command12 = nullptr; // 高级选项->>
    QPushButton* Command13 = nullptr; // <<-高级选项
    QCheckBox* Check4 = nullptr;      // 高级选项
    QWidget* advancedPanel = nullptr;
};
