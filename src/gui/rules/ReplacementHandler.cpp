#include "gui/rules/ReplacementHandler.h"

#include "rules/NewNameReplacement.h"

#include <QLineEdit>
#include <QPushButton>

ReplacementHandler::ReplacementHandler(const ReplacementControls& controls, Sheet& sheet)
    : m_controls(controls), m_sheet(sheet)
{
    connect(m_controls.Command1, &QPushButton::clicked, this, &ReplacementHandler::replace);
}

void ReplacementHandler::replace()
{
    replaceInNewNames(m_sheet, m_controls.findtxt->text(), m_controls.reptxt->text());
}
