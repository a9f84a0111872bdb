#pragma once

#include <QObject>

struct Form1;

// Handlers of the name rules of 新文件名规则设置, the extraction of the advanced frame and the replacement
// (Command1).
class RuleHandlers : public QObject
{
    Q_OBJECT

public:
    explicit RuleHandlers(Form1& form);

private:
    Form1& m_form;
};
