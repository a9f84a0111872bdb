#include "RenameGuiSupport.h"

#include "GuiTest.h"
#include "collect/FileListModel.h"
#include "table/SheetModel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

FileTree::FileTree() = default;

QString FileTree::path(const QString& relative) const
{
    return relative.isEmpty() ? m_dir.path() : m_dir.filePath(relative);
}

QString FileTree::folder(const QString& relative) const
{
    return path(relative) + QDir::separator();
}

void FileTree::write(const QString& relative, const QByteArray& content)
{
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(relative));
}

void FileTree::makeFolder(const QString& relative)
{
    if (!QDir(m_dir.path()).mkpath(relative))
        qFatal("cannot create %s", qPrintable(relative));
}

QMap<QString, QByteArray> FileTree::snapshot() const
{
    QMap<QString, QByteArray> entries;
    const QDir root(m_dir.path());
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString full = it.next();
        const QString relative = root.relativeFilePath(full);
        if (it.fileInfo().isDir()) {
            entries.insert(relative + u'/', QByteArray());
        } else {
            QFile file(full);
            entries.insert(relative,
                           file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
        }
    }
    return entries;
}

void loadTable(GuiTest& gui, const QStringList& paths)
{
    gui.form().files->setPaths(paths);
    gui.click("Command14");
}

void typeCell(GuiTest& gui, qsizetype row, int column, const QString& text)
{
    SheetModel* model = gui.form().table;
    QVERIFY(model->setData(model->index(int(row - 1), column - 1), text, Qt::EditRole));
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
