#include "gui/Form1Layout.h"

#include "gui/CaptionBlank.h"
#include "gui/Form1.h"
#include "gui/collect/FileListView.h"
#include "gui/table/SheetView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const QString& caption)
{
    return named(new QPushButton(caption), name);
}

QCheckBox* checkBox(const char* name, const QString& caption = {})
{
    return named(new QCheckBox(caption), name);
}

QRadioButton* option(const char* name, const QString& caption)
{
    return named(new QRadioButton(caption), name);
}

QLineEdit* field(const char* name, const QString& text = {})
{
    return named(new QLineEdit(text), name);
}

QGroupBox* frame(const char* name, const QString& caption)
{
    return named(new QGroupBox(caption), name);
}

QPushButton* applyButton(const char* name)
{
    auto* b = button(name, QStringLiteral(">>"));
    b->setFixedWidth(32);
    return b;
}

QWidget* collectionColumn(Form1& f)
{
    f.Command5 = button("Command5", QStringLiteral("选择文件"));
    f.Command4 = button("Command4", QStringLiteral("选择目录"));
    f.Command17 = button("Command17", QStringLiteral("清空"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(f.Command5);
    buttons->addWidget(f.Command4);
    buttons->addWidget(f.Command17);

    f.Frame10 = frame("Frame10", QStringLiteral("文件类型"));
    f.Combo1 = named(new QComboBox, "Combo1");
    f.Combo1->setEditable(true);
    f.Combo1->setInsertPolicy(QComboBox::NoInsert);
    f.Label9 = named(new QLabel(QStringLiteral("文件类型也可用例如: *.mp3  等形式输入")), "Label9");
    f.Label9->setWordWrap(true);
    auto* types = new QVBoxLayout(f.Frame10);
    types->addWidget(f.Combo1);
    types->addWidget(f.Label9);

    f.Label5 = named(new QLabel(QStringLiteral("文件可以拖动至此")), "Label5");
    f.List1 = named(new FileListView, "List1");
    f.Text3 = field("Text3");

    auto* column = new QWidget;
    column->setFixedWidth(230);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(f.Frame10);
    layout->addWidget(f.Label5);
    layout->addWidget(f.List1, 1);
    layout->addWidget(f.Text3);
    return column;
}

SheetView* table(Form1& f)
{
    f.sp1 = named(new SheetView, "sp1");
    f.sp1->setMinimumHeight(200);
    return f.sp1;
}

QGroupBox* modeFrame(Form1& f)
{
    f.Frame1 = frame("Frame1", QStringLiteral("3、改名模式"));
    f.Check1 = checkBox("Check1");
    f.Option1 = option("Option1", QStringLiteral("同位置改名"));
    f.Option2 = option("Option2", QStringLiteral("异位置改名"));
    f.Option3 = option("Option3", QStringLiteral("文件分配器"));
    f.ysq = checkBox("ysq", QStringLiteral("文件衍生数"));
    auto* grid = new QGridLayout(f.Frame1);
    grid->addWidget(f.Check1, 0, 0);
    grid->addWidget(f.Option1, 0, 1);
    grid->addWidget(f.Option2, 0, 2);
    grid->addWidget(f.Option3, 1, 1);
    grid->addWidget(f.ysq, 1, 2);
    grid->setColumnStretch(2, 1);
    return f.Frame1;
}

QGroupBox* buildFrame(Form1& f)
{
    f.Frame2 = frame("Frame2", QStringLiteral("4、改名规则"));
    f.Command14 = button("Command14", QStringLiteral("建立规则"));
    f.Text1 = field("Text1", QStringLiteral("Text1"));
    f.Text1->setReadOnly(true);
    auto* layout = new QHBoxLayout(f.Frame2);
    layout->addWidget(f.Command14);
    layout->addWidget(f.Text1, 1);
    return f.Frame2;
}

QGroupBox* rulesFrame(Form1& f)
{
    f.Frame4 = frame("Frame4", QStringLiteral("新文件名规则设置"));
    auto* grid = new QGridLayout(f.Frame4);
    int row = 0;
    auto addRule = [&](QCheckBox*& box, const char* boxName, const QString& caption, QLineEdit*& text,
                       const char* textName, QPushButton*& apply, const char* applyName) {
        box = checkBox(boxName, caption);
        text = field(textName);
        apply = applyButton(applyName);
        grid->addWidget(box, row, 0);
        grid->addWidget(text, row, 1);
        grid->addWidget(apply, row, 2);
        ++row;
    };
    addRule(f.Check3, "Check3", QStringLiteral("自动编号"), f.bianhaoqian, "bianhaoqian", f.Command6,
            "Command6");
    addRule(f.fengefu, "fengefu", QStringLiteral("分隔符"), f.fengefutxt, "fengefutxt", f.Command7,
            "Command7");
    addRule(f.qianzhui, "qianzhui", QStringLiteral("文件名前"), f.qianzhuitxt, "qianzhuitxt", f.Command8,
            "Command8");
    addRule(f.houzhui, "houzhui", QStringLiteral("文件名后"), f.houzhuitxt, "houzhuitxt", f.Command9,
            "Command9");
    addRule(f.riqi, "riqi", QStringLiteral("日期"), f.riqitxt, "riqitxt", f.Command10, "Command10");
    addRule(f.banben, "banben", QStringLiteral("版本"), f.banbentxt, "banbentxt", f.Command11, "Command11");
    f.fengefutxt->setText(QStringLiteral("-"));
    f.bianhaoqian->setPlaceholderText(QStringLiteral("编号前缀"));
    f.Text2 = field("Text2");
    f.Text2->setReadOnly(true);
    grid->addWidget(f.Text2, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    grid->setRowStretch(row + 1, 1);
    return f.Frame4;
}

QWidget* modesColumn(Form1& f)
{
    auto* column = new QWidget;
    column->setFixedWidth(230);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(modeFrame(f));
    layout->addWidget(buildFrame(f));
    layout->addStretch(1);
    return column;
}

// The progress bar and the commands under the table.
QWidget* commandRow(Form1& f)
{
    f.PBar1 = named(new QProgressBar, "PBar1");
    f.PBar1->setRange(0, 100);
    f.PBar1->setValue(0);
    f.Command3 = button("Command3", QStringLiteral("开始改名"));
    f.cmdUndo = button("cmdUndo", QStringLiteral("撤销改名"));
    f.Command15 = button("Command15", QStringLiteral("导出Excel"));
    f.Command16 = button("Command16", QStringLiteral("导入"));
    f.Command12 = button("Command12", QStringLiteral("高级选项->>"));
    f.Command13 = button("Command13", QStringLiteral("<<-高级选项"));
    QFont bold = f.Command3->font();
    bold.setBold(true);
    f.Command3->setFont(bold);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(f.PBar1, 1);
    layout->addWidget(f.Command3);
    layout->addWidget(f.cmdUndo);
    layout->addWidget(f.Command15);
    layout->addWidget(f.Command16);
    // Only one of the two shows at a time, in the same place.
    layout->addWidget(f.Command12);
    layout->addWidget(f.Command13);
    return row;
}

QGroupBox* extractionFrame(Form1& f)
{
    f.Frame6 = frame("Frame6", QStringLiteral("高级公式(源文件名为操作对象)"));
    f.Check4 = checkBox("Check4", QStringLiteral("高级选项"));
    f.left1 = option("left1", QStringLiteral("从左开始，取      个字符"));
    f.mid1 = option("mid1", QStringLiteral("从     个字符始，取     个字符"));
    f.right1 = option("right1", QStringLiteral("从右开始，取      个字符"));
    f.leftext = field("leftext");
    f.midbegin = field("midbegin");
    f.midend = field("midend");
    f.righttxt = field("righttxt");
    auto* layout = new QVBoxLayout(f.Frame6);
    layout->addWidget(f.Check4);
    layout->addWidget(f.left1);
    layout->addWidget(f.mid1);
    layout->addWidget(f.right1);
    // The counts are typed into the blanks of the captions.
    new CaptionBlank(f.left1, QStringLiteral("从左开始，取"), QStringLiteral("      "), f.leftext);
    new CaptionBlank(f.mid1, QStringLiteral("从"), QStringLiteral("     "), f.midbegin);
    new CaptionBlank(f.mid1, QStringLiteral("从     个字符始，取"), QStringLiteral("     "), f.midend);
    new CaptionBlank(f.right1, QStringLiteral("从右开始，取"), QStringLiteral("      "), f.righttxt);
    return f.Frame6;
}

QGroupBox* replacementFrame(Form1& f)
{
    f.Frame5 = frame("Frame5", QStringLiteral("新文件名字符替换"));
    f.Label1 = named(new QLabel(QStringLiteral("查找内容")), "Label1");
    f.Label2 = named(new QLabel(QStringLiteral("替换为")), "Label2");
    f.findtxt = field("findtxt");
    f.reptxt = field("reptxt");
    f.Command1 = applyButton("Command1");
    auto* grid = new QGridLayout(f.Frame5);
    grid->addWidget(f.Label1, 0, 0);
    grid->addWidget(f.findtxt, 0, 1);
    grid->addWidget(f.Label2, 1, 0);
    grid->addWidget(f.reptxt, 1, 1);
    grid->addWidget(f.Command1, 0, 2, 2, 1);
    return f.Frame5;
}

QGroupBox* derivationFrame(Form1& f)
{
    f.Frame8 = frame("Frame8", QStringLiteral("    单文件衍生数           "));
    f.Check2 = checkBox("Check2");
    f.yss1 = option("yss1", QStringLiteral("同位置衍生"));
    f.yss2 = option("yss2", QStringLiteral("复制到其他位置衍生"));
    f.yanshengshu = field("yanshengshu");
    f.Command2 = applyButton("Command2");
    auto* grid = new QGridLayout(f.Frame8);
    grid->addWidget(f.Check2, 0, 0);
    grid->addWidget(f.yanshengshu, 0, 1);
    grid->addWidget(f.Command2, 0, 2);
    grid->addWidget(f.yss1, 1, 0, 1, 3);
    grid->addWidget(f.yss2, 2, 0, 1, 3);
    return f.Frame8;
}

QWidget* advancedPanel(Form1& f)
{
    auto* panel = named(new QWidget, "advancedPanel");
    panel->setFixedWidth(235);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(extractionFrame(f));
    layout->addWidget(replacementFrame(f));
    layout->addWidget(derivationFrame(f));
    layout->addStretch(1);
    return panel;
}

} // namespace

QWidget* buildForm1(QMainWindow* window, Form1& form)
{
    form.window = window;
    // Collection, modes and rules side by side above the table, which takes the whole width
    // so that old and new names show next to each other.
    auto* settingsRow = new QWidget;
    settingsRow->setMaximumHeight(270);
    auto* settings = new QHBoxLayout(settingsRow);
    settings->setContentsMargins(0, 0, 0, 0);
    settings->addWidget(collectionColumn(form));
    settings->addWidget(modesColumn(form));
    settings->addWidget(rulesFrame(form), 1);
    auto* work = new QVBoxLayout;
    work->addWidget(settingsRow);
    work->addWidget(table(form), 1);
    work->addWidget(commandRow(form));

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(work, 1);
    QWidget* panel = advancedPanel(form);
    layout->addWidget(panel, 0, Qt::AlignTop);
    window->setCentralWidget(central);
    return panel;
}
