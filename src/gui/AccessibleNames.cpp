#include "gui/AccessibleNames.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

struct Description
{
    const char* control;
    const char* name;
    const char* tip = nullptr;
};

// A rule's field is named by its check box, its ">>" button by what it applies.
struct Rule
{
    const char* box;
    const char* field;
    const char* apply;
};

constexpr Rule Rules[] = {
    {"Check3", "bianhaoqian", "Command6"},   {"fengefu", "fengefutxt", "Command7"},
    {"qianzhui", "qianzhuitxt", "Command8"}, {"houzhui", "houzhuitxt", "Command9"},
    {"riqi", "riqitxt", "Command10"},        {"banben", "banbentxt", "Command11"},
};

constexpr Description Fixed[] = {
    {"Check1", "批量模式", "选中后按改名模式处理表格中的每一行"},
    {"List1", "已选择的文件列表", "文件和文件夹可以拖放到这里"},
    {"Text3", "状态栏"},
    {"sp1", "改名表格"},
    {"PBar1", "进度"},
    {"Text1", "改名模式说明"},
    {"Text2", "批量更名的文件数"},
    {"Command14", nullptr, "按已收集的文件重新建立改名表格"},
    {"Command1", "应用 字符替换", "在新文件名中把查找内容替换为替换为中的文字"},
    {"Command2", "应用 单文件衍生数", "按衍生数建立单个文件的衍生表格"},
    {"Check2", "单文件衍生", nullptr},
    {"yanshengshu", "衍生数", "单个文件要衍生的份数"},
    {"leftext", "从左开始取的字符数", nullptr},
    {"midbegin", "从第几个字符开始", nullptr},
    {"midend", "从中间取的字符数", nullptr},
    {"righttxt", "从右开始取的字符数", nullptr},
    {"Command12", nullptr, "显示高级选项"},
    {"Command13", nullptr, "隐藏高级选项"},
    {"Check4", nullptr, "显示或隐藏高级选项"},
};

template <typename T = QWidget> T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

void buddy(QWidget* window, const char* label, const char* field)
{
    auto* caption = child<QLabel>(window, label);
    QWidget* target = child(window, field);
    if (!caption || !target)
        return;
    caption->setBuddy(target);
    target->setAccessibleName(caption->text());
}

} // namespace

void describeControls(QWidget* window)
{
    for (const Rule& rule : Rules) {
        auto* box = child<QAbstractButton>(window, rule.box);
        QWidget* field = child(window, rule.field);
        auto* apply = child<QAbstractButton>(window, rule.apply);
        if (!box || !field || !apply)
            continue;
        field->setAccessibleName(box->text() + QStringLiteral(" 文本"));
        apply->setAccessibleName(QStringLiteral("应用 ") + box->text());
        apply->setToolTip(QStringLiteral("把“%1”规则写入新文件名列").arg(box->text()));
    }
    buddy(window, "Label1", "findtxt");
    buddy(window, "Label2", "reptxt");
    for (const Description& d : Fixed) {
        QWidget* control = child(window, d.control);
        if (!control)
            continue;
        if (d.name)
            control->setAccessibleName(QString::fromUtf8(d.name));
        if (d.tip)
            control->setToolTip(QString::fromUtf8(d.tip));
    }
    if (auto* types = child<QComboBox>(window, "Combo1")) {
        types->setAccessibleName(QStringLiteral("文件类型"));
        if (QLineEdit* typed = types->lineEdit())
            typed->setAccessibleName(QStringLiteral("文件类型"));
    }
}
