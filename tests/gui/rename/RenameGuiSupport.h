#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

class FileTree;
class GuiTest;

// Collects the files and builds the table the way 建立规则 does.
void loadTable(GuiTest& gui, const QStringList& paths);
// Types into one cell of the grid.
void typeCell(GuiTest& gui, qsizetype row, int column, const QString& text);
// Writes the files (relative path to content) into the tree and lays them out in the table,
// in the order of their paths.
void collectFiles(GuiTest& gui, FileTree& tree, const QMap<QString, QByteArray>& files);
// Types the new names into column C, from the first data row on.
void typeNewNames(GuiTest& gui, const QStringList& names);
