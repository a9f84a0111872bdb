#pragma once

#include <QObject>

struct Form1;
class TableBuildHandler;

// Handlers of file collection: 选择文件 (Command5), 选择目录 (Command4) and a drop on List1.
class CollectionHandlers : public QObject
{
    Q_OBJECT

public:
    CollectionHandlers(Form1& form, TableBuildHandler& tableBuild);

private:
    Form1& m_form;
    TableBuildHandler& m_tableBuild;
};
