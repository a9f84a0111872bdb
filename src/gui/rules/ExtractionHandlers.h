#pragma once

#include "rules/NamePiece.h"

#include <QObject>

struct Form1;
class QLineEdit;
class QRadioButton;
class RuleHandlers;

// The advanced frame's extraction: every edit of a count field (leftext, righttxt, midend)
// while its option is selected cuts the name sources from the old names and recomposes.
class ExtractionHandlers : public QObject
{
    Q_OBJECT

public:
    ExtractionHandlers(Form1& form, RuleHandlers& rules);

private:
    void extract(const QRadioButton* option, NamePiece::From from, const QLineEdit* countField,
                 const QLineEdit* startField = nullptr);

    Form1& m_form;
    RuleHandlers& m_rules;
};
