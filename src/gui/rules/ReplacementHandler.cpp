#include "gui/rules/ReplacementHandler.h"

#include "gui/Form1.h"
#include "rules/NewNameReplacement.h"
#include "table/SheetModel.h"

#include <QLineEdit>
#include <QPushButton>

ReplacementHandler::ReplacementHandler(Form1& form) : m_form(form)
{
    connect(m_form.Command1, &QPushButton::clicked, this, &ReplacementHandler::replace);
}

void ReplacementHandler::replace()
{
    replaceInNewNames(m_form.table->sheet(), m_form.findtxt->text(), m_form.reptxt->text());
}
