#pragma once

#include <QObject>

struct Form1;

// 新文件名字符替换: Command1 replaces findtxt by reptxt in the new names as they stand.
class ReplacementHandler : public QObject
{
    Q_OBJECT

public:
    explicit ReplacementHandler(Form1& form);

private:
    void replace();

    Form1& m_form;
};
