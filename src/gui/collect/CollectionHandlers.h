#pragma once

#include <QObject>
#include <QStringList>

struct Form1;
class TableBuildHandler;

// Handlers of file collection: 选择文件 (Command5), 选择目录 (Command4) and a drop on List1.
// Each starts a new collection: the file list and the rename table are emptied, the list is
// filled and filtered, the count goes to the status line and the table is built again.
class CollectionHandlers : public QObject
{
    Q_OBJECT

public:
    CollectionHandlers(Form1& form, TableBuildHandler& tableBuild);

private:
    void selectFiles();
    void selectFolder();
    void takeDrop(const QStringList& dropped);

    void resetDerivation();
    void clearTable();
    void showCount();
    void rebuildTable();
    void offerBatchDerivation();
    void tellUnreadable(const QStringList& folders);

    Form1& m_form;
    TableBuildHandler& m_tableBuild;
};
