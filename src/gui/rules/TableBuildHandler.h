#pragma once

#include <QObject>

struct Form1;

// 建立规则 (Command14): lays the file list out in the rename table.
class TableBuildHandler : public QObject
{
    Q_OBJECT

public:
    explicit TableBuildHandler(Form1& form);

    // The click of Command14, also the last step of every collection.
    void run();

private:
    Form1& m_form;
};
