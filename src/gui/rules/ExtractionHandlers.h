#pragma once

#include "gui/rules/ExtractionControls.h"
#include "rules/NamePiece.h"

#include <QObject>

class QLineEdit;
class QRadioButton;
class RuleHandlers;
class Sheet;

// The advanced frame's extraction: every edit of a count field (leftext, righttxt, midend)
// while its option is selected cuts the name sources from the old names and recomposes.
class ExtractionHandlers : public QObject
{
    Q_OBJECT

public:
    ExtractionHandlers(const ExtractionControls& controls, Sheet& sheet, RuleHandlers& rules);

private:
    void extract(const QRadioButton* option, NamePiece::From from, const QLineEdit* countField,
                 const QLineEdit* startField = nullptr);

    const ExtractionControls m_controls;
    Sheet& m_sheet;
    RuleHandlers& m_rules;
};
