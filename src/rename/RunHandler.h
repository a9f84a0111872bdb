#pragma once

#include <QObject>

struct Form1;

// Handlers of 开始改名 (Command3): carries the rename table out on the file system.
class RunHandler : public QObject
{
    Q_OBJECT

public:
    explicit RunHandler(Form1& form);

private:
    Form1& m_form;
};
