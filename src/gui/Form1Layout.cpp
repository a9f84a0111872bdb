#include "gui/Form1Layout.h"

#include "gui/CaptionBlank.h"
#include "gui/Form1Controls.h"
#include "gui/collect/FileListView.h"
#include "gui/table/FormulaBar.h"
#include "gui/table/SheetView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
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

QWidget* collectionColumn(Form1Controls& f)
{
    CollectionControls& c = f.collection;
    c.Command5 = button("Command5", QStringLiteral("选择文件"));
    c.Command4 = button("Command4", QStringLiteral("选择目录"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(c.Command5);
    buttons->addWidget(c.Command4);
    f.Command17 = button("Command17", QStringLiteral("清空"));
    buttons->addWidget(f.Command17);

    QGroupBox* frame10 = frame("Frame10", QStringLiteral("文件类型"));
    c.Combo1 = named(new QComboBox, "Combo1");
    c.Combo1->setEditable(true);
    c.Combo1->setInsertPolicy(QComboBox::NoInsert);
    auto* label9 = named(new QLabel(QStringLiteral("文件类型也可用例如: *.mp3  等形式输入")), "Label9");
    label9->setWordWrap(true);
    auto* types = new QVBoxLayout(frame10);
    types->addWidget(c.Combo1);
    types->addWidget(label9);

    auto* label5 = named(new QLabel(QStringLiteral("文件可以拖动至此")), "Label5");
    c.List1 = named(new FileListView, "List1");
    f.window.Text3 = field("Text3");

    auto* column = new QWidget;
    column->setFixedWidth(230);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(frame10);
    layout->addWidget(label5);
    layout->addWidget(c.List1, 1);
    layout->addWidget(f.window.Text3);
    return column;
}

SheetView* table(WindowControls& w)
{
    w.sp1 = named(new SheetView, "sp1");
    return w.sp1;
}

QGroupBox* modeFrame(ModeControls& m)
{
    QGroupBox* frame1 = frame("Frame1", QStringLiteral("3、改名模式"));
    m.Check1 = checkBox("Check1");
    m.Option1 = option("Option1", QStringLiteral("同位置改名"));
    m.Option2 = option("Option2", QStringLiteral("异位置改名"));
    m.Option3 = option("Option3", QStringLiteral("文件分配器"));
    m.ysq = checkBox("ysq", QStringLiteral("文件衍生数"));
    auto* grid = new QGridLayout(frame1);
    grid->addWidget(m.Check1, 0, 0);
    grid->addWidget(m.Option1, 0, 1);
    grid->addWidget(m.Option2, 0, 2);
    grid->addWidget(m.Option3, 1, 1);
    grid->addWidget(m.ysq, 1, 2);
    grid->setColumnStretch(2, 1);
    return frame1;
}

QGroupBox* buildFrame(Form1Controls& f)
{
    QGroupBox* frame2 = frame("Frame2", QStringLiteral("4、改名规则"));
    f.Command14 = button("Command14", QStringLiteral("建立规则"));
    f.modes.Text1 = field("Text1", QStringLiteral("Text1"));
    f.modes.Text1->setReadOnly(true);
    auto* layout = new QHBoxLayout(frame2);
    layout->addWidget(f.Command14);
    layout->addWidget(f.modes.Text1, 1);
    return frame2;
}

QGroupBox* rulesFrame(Form1Controls& f)
{
    RuleControls& r = f.rules;
    QGroupBox* frame4 = frame("Frame4", QStringLiteral("新文件名规则设置"));
    auto* grid = new QGridLayout(frame4);
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
    addRule(r.Check3, "Check3", QStringLiteral("自动编号"), r.bianhaoqian, "bianhaoqian", r.Command6,
            "Command6");
    addRule(r.fengefu, "fengefu", QStringLiteral("分隔符"), r.fengefutxt, "fengefutxt", r.Command7,
            "Command7");
    addRule(r.qianzhui, "qianzhui", QStringLiteral("文件名前"), r.qianzhuitxt, "qianzhuitxt", r.Command8,
            "Command8");
    addRule(r.houzhui, "houzhui", QStringLiteral("文件名后"), r.houzhuitxt, "houzhuitxt", r.Command9,
            "Command9");
    addRule(r.riqi, "riqi", QStringLiteral("日期"), r.riqitxt, "riqitxt", r.Command10, "Command10");
    addRule(r.banben, "banben", QStringLiteral("版本"), r.banbentxt, "banbentxt", r.Command11, "Command11");
    r.fengefutxt->setText(QStringLiteral("-"));
    r.bianhaoqian->setPlaceholderText(QStringLiteral("编号前缀"));
    f.run.Text2 = field("Text2");
    f.run.Text2->setReadOnly(true);
    grid->addWidget(f.run.Text2, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    grid->setRowStretch(row + 1, 1);
    return frame4;
}

QWidget* modesColumn(Form1Controls& f)
{
    auto* column = new QWidget;
    column->setFixedWidth(230);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(modeFrame(f.modes));
    layout->addWidget(buildFrame(f));
    layout->addStretch(1);
    return column;
}

// The progress bar and the commands under the table.
QWidget* commandRow(Form1Controls& f)
{
    WindowControls& w = f.window;
    w.PBar1 = named(new QProgressBar, "PBar1");
    w.PBar1->setRange(0, 100);
    w.PBar1->setValue(0);
    f.run.Command3 = button("Command3", QStringLiteral("开始改名"));
    f.run.cmdUndo = button("cmdUndo", QStringLiteral("撤销改名"));
    f.Command15 = button("Command15", QStringLiteral("导出Excel"));
    f.Command16 = button("Command16", QStringLiteral("导入"));
    w.Command12 = button("Command12", QStringLiteral("高级选项->>"));
    w.Command13 = button("Command13", QStringLiteral("<<-高级选项"));
    QFont bold = f.run.Command3->font();
    bold.setBold(true);
    f.run.Command3->setFont(bold);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(w.PBar1, 1);
    layout->addWidget(f.run.Command3);
    layout->addWidget(f.run.cmdUndo);
    layout->addWidget(f.Command15);
    layout->addWidget(f.Command16);
    // Only one of the two shows at a time, in the same place.
    layout->addWidget(w.Command12);
    layout->addWidget(w.Command13);
    return row;
}

QGroupBox* extractionFrame(Form1Controls& f)
{
    ExtractionControls& e = f.rules.extraction;
    QGroupBox* frame6 = frame("Frame6", QStringLiteral("高级公式(源文件名为操作对象)"));
    f.window.Check4 = checkBox("Check4", QStringLiteral("高级选项"));
    e.left1 = option("left1", QStringLiteral("从左开始，取      个字符"));
    e.mid1 = option("mid1", QStringLiteral("从     个字符始，取     个字符"));
    e.right1 = option("right1", QStringLiteral("从右开始，取      个字符"));
    e.leftext = field("leftext");
    e.midbegin = field("midbegin");
    e.midend = field("midend");
    e.righttxt = field("righttxt");
    auto* layout = new QVBoxLayout(frame6);
    layout->addWidget(f.window.Check4);
    layout->addWidget(e.left1);
    layout->addWidget(e.mid1);
    layout->addWidget(e.right1);
    // The counts are typed into the blanks of the captions.
    new CaptionBlank(e.left1, QStringLiteral("从左开始，取"), QStringLiteral("      "), e.leftext);
    new CaptionBlank(e.mid1, QStringLiteral("从"), QStringLiteral("     "), e.midbegin);
    new CaptionBlank(e.mid1, QStringLiteral("从     个字符始，取"), QStringLiteral("     "), e.midend);
    new CaptionBlank(e.right1, QStringLiteral("从右开始，取"), QStringLiteral("      "), e.righttxt);
    return frame6;
}

QGroupBox* replacementFrame(ReplacementControls& r)
{
    QGroupBox* frame5 = frame("Frame5", QStringLiteral("新文件名字符替换"));
    auto* label1 = named(new QLabel(QStringLiteral("查找内容")), "Label1");
    auto* label2 = named(new QLabel(QStringLiteral("替换为")), "Label2");
    r.findtxt = field("findtxt");
    r.reptxt = field("reptxt");
    r.Command1 = applyButton("Command1");
    auto* grid = new QGridLayout(frame5);
    grid->addWidget(label1, 0, 0);
    grid->addWidget(r.findtxt, 0, 1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(r.reptxt, 1, 1);
    grid->addWidget(r.Command1, 0, 2, 2, 1);
    return frame5;
}

QGroupBox* derivationFrame(ModeControls& m)
{
    QGroupBox* frame8 = frame("Frame8", QStringLiteral("    单文件衍生数           "));
    m.Check2 = checkBox("Check2");
    m.yss1 = option("yss1", QStringLiteral("同位置衍生"));
    m.yss2 = option("yss2", QStringLiteral("复制到其他位置衍生"));
    m.yanshengshu = field("yanshengshu");
    m.Command2 = applyButton("Command2");
    auto* grid = new QGridLayout(frame8);
    grid->addWidget(m.Check2, 0, 0);
    grid->addWidget(m.yanshengshu, 0, 1);
    grid->addWidget(m.Command2, 0, 2);
    grid->addWidget(m.yss1, 1, 0, 1, 3);
    grid->addWidget(m.yss2, 2, 0, 1, 3);
    return frame8;
}

QWidget* advancedPanel(Form1Controls& f)
{
    auto* panel = named(new QWidget, "advancedPanel");
    panel->setFixedWidth(235);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(extractionFrame(f));
    layout->addWidget(replacementFrame(f.rules.replacement));
    layout->addWidget(derivationFrame(f.modes));
    layout->addStretch(1);
    return panel;
}

} // namespace

void keepRowsVisible(SheetView* grid, int rows)
{
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           rows * grid->verticalHeader()->defaultSectionSize() +
                           grid->horizontalScrollBar()->sizeHint().height() + 2 * grid->frameWidth());
}

Form1Controls buildForm1(QMainWindow* window)
{
    Form1Controls controls;
    // Collection, modes and rules side by side above the table, which takes the whole width
    // so that old and new names show next to each other.
    auto* settingsRow = new QWidget;
    settingsRow->setMaximumHeight(270);
    auto* settings = new QHBoxLayout(settingsRow);
    settings->setContentsMargins(0, 0, 0, 0);
    settings->addWidget(collectionColumn(controls));
    settings->addWidget(modesColumn(controls));
    settings->addWidget(rulesFrame(controls), 1);
    auto* settingsArea = named(new QScrollArea, "settingsArea");
    settingsArea->setWidget(settingsRow);
    settingsArea->setWidgetResizable(true);
    settingsArea->setFrameShape(QFrame::NoFrame);
    settingsArea->setFocusPolicy(Qt::NoFocus);
    settingsArea->setMaximumHeight(settingsRow->maximumHeight());
    auto* work = new QVBoxLayout;
    work->addWidget(settingsArea);
    controls.window.formulaBar = named(new FormulaBar, "formulaBarRow");
    work->addWidget(controls.window.formulaBar);
    work->addWidget(table(controls.window), 1);
    work->addWidget(commandRow(controls));

    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(work, 1);
    controls.window.advancedPanel = advancedPanel(controls);
    layout->addWidget(controls.window.advancedPanel, 0, Qt::AlignTop);
    window->setCentralWidget(central);
    return controls;
}
