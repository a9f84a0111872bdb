#pragma once

#include "rules/RuleValues.h"

#include <QObject>
#include <memory>

struct Form1;
class ExtractionHandlers;
class QCheckBox;
class QLineEdit;
class QPushButton;
class ReplacementHandler;
class Sheet;

// Handlers of the name rules of 新文件名规则设置: the six rule boxes and their ">>" buttons
// (Command6 to Command11). Each click sets the rule values and recomposes the new names. Also
// owns the handlers of the advanced frame's extraction and of the replacement (Command1).
class RuleHandlers : public QObject
{
    Q_OBJECT

public:
    explicit RuleHandlers(Form1& form);
    ~RuleHandlers() override;

    // The click of 分隔符 (fengefu): sets the separator and the joints of the checked rules,
    // then rewrites column C.
    void separatorStep();

private:
    void connectRule(QCheckBox* box, QLineEdit* text, QPushButton* apply, QString RuleValues::*value);
    void numbering();
    Sheet& sheet();

    Form1& m_form;
    RuleValues m_values;
    std::unique_ptr<ExtractionHandlers> m_extraction;
    std::unique_ptr<ReplacementHandler> m_replacement;
};
