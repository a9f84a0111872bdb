#pragma once

#include <QObject>

struct Form1;

// Handlers of the rename modes (Option1 to Option3, Check1, ysq) and the single-file derivation settings
// (Check2, yss2, Command2).
class ModeHandlers : public QObject
{
    Q_OBJECT

public:
    explicit ModeHandlers(Form1& form);

private:
    Form1& m_form;
};
