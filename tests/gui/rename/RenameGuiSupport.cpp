#include "RenameGuiSupport.h"

#include "FileTree.h"
#include "GuiTest.h"
#include "collect/FileListModel.h"
#include "table/SheetModel.h"

#include <QTest>

void loadTable(GuiTest& gui, const QStringList& paths)
{
    gui.files().setPaths(paths);
    gui.click("Command14");
}

void typeCell(GuiTest& gui, qsizetype row, int column, const QString& text)
{
    SheetModel& model = gui.table();
    QVERIFY(model.setData(model.index(int(row - 1), column - 1), text, Qt::EditRole));
}

void collectFiles(GuiTest& gui, FileTree& tree, const QMap<QString, QByteArray>& files)
{
    QStringList paths;
    for (auto it = files.begin(); it != files.end(); ++it) {
        tree.write(it.key(), it.value());
        paths << tree.path(it.key());
    }
    loadTable(gui, paths);
}

void typeNewNames(GuiTest& gui, const QStringList& names)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        typeCell(gui, i + 2, Sheet::C, names[i]);
}
