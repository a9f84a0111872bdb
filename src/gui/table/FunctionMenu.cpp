#include "gui/table/FunctionMenu.h"

#include "formula/FunctionGroups.h"

#include <span>

namespace {

struct Group
{
    const char16_t* title;
    std::span<const FormulaFunction> (*functions)();
};

const Group Groups[] = {
    {u"文本", textFunctions},     {u"查找", searchFunctions},       {u"字符", characterFunctions},
    {u"连接", joinFunctions},     {u"正则表达式", regexFunctions},  {u"逻辑", logicalFunctions},
    {u"数学", mathFunctions},     {u"统计", aggregateFunctions},    {u"行列", referenceFunctions},
    {u"日期时间", dateFunctions}, {u"文件信息", fileInfoFunctions},
};

// What FILEINFO can tell, for the entries that insert a whole call.
struct Fact
{
    const char16_t* name;
    const char16_t* description;
};

const Fact Facts[] = {
    {u"modified", u"修改时间"},       {u"accessed", u"访问时间"},
    {u"created", u"创建时间"},        {u"size", u"大小（字节）"},
    {u"folder", u"所在文件夹的名称"}, {u"taken", u"照片的拍摄时间"},
    {u"camera", u"照片的相机型号"},   {u"width", u"图片宽度（像素）"},
    {u"height", u"图片高度（像素）"}, {u"orientation", u"照片的方向"},
    {u"artist", u"音乐的艺术家"},     {u"title", u"音乐的标题"},
    {u"album", u"音乐的专辑"},        {u"track", u"音轨号"},
    {u"year", u"音乐的年份"},         {u"genre", u"音乐的流派"},
    {u"duration", u"时长（秒）"},
};

} // namespace

FunctionMenu::FunctionMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("functionMenu"));
    setAccessibleName(QStringLiteral("函数列表"));
    for (const Group& group : Groups) {
        QMenu* menu = addMenu(QString::fromUtf16(group.title));
        for (const FormulaFunction& function : group.functions())
            addEntry(menu, function.arguments.toString(), function.description.toString(),
                     function.name.toString() + u'(');
        if (group.functions == fileInfoFunctions) {
            menu->addSeparator();
            for (const Fact& fact : Facts) {
                const QString call = QStringLiteral("FILEINFO(\"%1\")").arg(QString::fromUtf16(fact.name));
                addEntry(menu, call, QString::fromUtf16(fact.description), call);
            }
        }
    }
}

void FunctionMenu::addEntry(QMenu* menu, const QString& caption, const QString& description,
                            const QString& inserted)
{
    // The text after the tab shows in a column of its own, beside the call.
    QAction* action = menu->addAction(caption + u'\t' + description);
    action->setToolTip(description);
    connect(action, &QAction::triggered, this, [this, inserted] { Q_EMIT insertWanted(inserted); });
}
