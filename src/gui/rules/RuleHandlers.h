#pragma once

#include "gui/rules/RuleControls.h"
#include "rules/RuleValues.h"

#include <QObject>
#include <memory>

class ExtractionHandlers;
class ModeHandlers;
class Progress;
class QDate;
class ReplacementHandler;
class Sheet;

// Handlers of the name rules of 新文件名规则设置: the six rule boxes and their ">>" buttons
// (Command6 to Command11). Each click sets the rule values and recomposes the new names. Also
// owns the handlers of the advanced frame's extraction and of the replacement (Command1).
class RuleHandlers : public QObject
{
    Q_OBJECT

public:
    RuleHandlers(const RuleControls& controls, Sheet& sheet, const ModeHandlers& modes, Progress& progress);
    ~RuleHandlers() override;

    // The start-up date rule text: today, as a file name may hold it.
    void loadDefaults(QDate today);

    // The click of 分隔符 (fengefu): sets the separator and the joints of the checked rules,
    // then rewrites column C.
    void separatorStep();

private:
    void connectRule(QCheckBox* box, QLineEdit* text, QPushButton* apply, QString RuleValues::*value);
    void numbering();

    const RuleControls m_controls;
    Sheet& m_sheet;
    const ModeHandlers& m_modes;
    Progress& m_progress;
    RuleValues m_values;
    std::unique_ptr<ExtractionHandlers> m_extraction;
    std::unique_ptr<ReplacementHandler> m_replacement;
};
