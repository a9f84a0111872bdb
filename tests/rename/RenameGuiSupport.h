#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class GuiTest;

// A tree of the user's files in a temporary folder.
class FileTree
{
public:
    FileTree();
    ~FileTree();

    bool isValid() const { return m_dir.isValid(); }
    // The full path of an entry; the tree's own folder for an empty name.
    QString path(const QString& relative = {}) const;
    // The full path of a folder, with its trailing separator as the table holds folders.
    QString folder(const QString& relative = {}) const;
    void write(const QString& relative, const QByteArray& content);
    // The same with the relative path given as the file system's bytes, which need not be text;
    // what cannot be read reads as "<missing>".
    void writeBytes(const QByteArray& relative, const QByteArray& content);
    QByteArray readBytes(const QByteArray& relative) const;
    void makeFolderBytes(const QByteArray& relative);
    void makeFolder(const QString& relative);
    // Every file with its content and every folder (as "name/" with an empty content), by
    // relative path: what a test compares before and after a run.
    QMap<QString, QByteArray> snapshot() const;

private:
    QByteArray bytePath(const QByteArray& relative) const;

    QTemporaryDir m_dir;
};

// Collects the files and builds the table the way 建立规则 does.
void loadTable(GuiTest& gui, const QStringList& paths);
// Types into one cell of the grid.
void typeCell(GuiTest& gui, qsizetype row, int column, const QString& text);
// Writes the files (relative path to content) into the tree and lays them out in the table,
// in the order of their paths.
void collectFiles(GuiTest& gui, FileTree& tree, const QMap<QString, QByteArray>& files);
// Types the new names into column C, from the first data row on.
void typeNewNames(GuiTest& gui, const QStringList& names);
