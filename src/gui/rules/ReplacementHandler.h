#pragma once

#include "gui/rules/ReplacementControls.h"

#include <QObject>

class Sheet;

// 新文件名字符替换: Command1 replaces findtxt by reptxt in the new names as they stand.
class ReplacementHandler : public QObject
{
    Q_OBJECT

public:
    ReplacementHandler(const ReplacementControls& controls, Sheet& sheet);

private:
    void replace();

    const ReplacementControls m_controls;
    Sheet& m_sheet;
};
