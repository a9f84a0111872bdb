#include "gui/rules/RuleHandlers.h"

#include "gui/ControlEvents.h"
#include "gui/Form1.h"
#include "gui/rules/ExtractionHandlers.h"
#include "rules/NewNameComposition.h"
#include "rules/Numbering.h"
#include "gui/rules/ReplacementHandler.h"
#include "table/SheetModel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

RuleHandlers::RuleHandlers(Form1& form)
    : m_form(form), m_extraction(std::make_unique<ExtractionHandlers>(form, *this)),
      m_replacement(std::make_unique<ReplacementHandler>(form))
{
    Form1& f = m_form;
    connectRule(f.qianzhui, f.qianzhuitxt, f.Command8, &RuleValues::strPrefix);
    connectRule(f.houzhui, f.houzhuitxt, f.Command9, &RuleValues::strSuffix);
    connectRule(f.riqi, f.riqitxt, f.Command10, &RuleValues::strDate);
    connectRule(f.banben, f.banbentxt, f.Command11, &RuleValues::strVersion);
    connectRule(f.fengefu, f.fengefutxt, f.Command7, &RuleValues::strSeparator);

    ControlEvents::onClick(f.Check3, this, [this] { numbering(); });
    connect(f.Command6, &QPushButton::clicked, this, [this] {
        if (m_form.Check3->isChecked())
            numbering();
    });
}

RuleHandlers::~RuleHandlers() = default;

Sheet& RuleHandlers::sheet()
{
    return m_form.table->sheet();
}

// A box and its ">>" button do the same; the button applies an edited text without a toggle.
void RuleHandlers::connectRule(QCheckBox* box, QLineEdit* text, QPushButton* apply,
                               QString RuleValues::*value)
{
    auto handler = [this, box, text, value] {
        m_values.*value = ruleValue(box->isChecked(), text->text());
        separatorStep();
    };
    ControlEvents::onClick(box, this, handler);
    connect(apply, &QPushButton::clicked, this, handler);
}

void RuleHandlers::separatorStep()
{
    const Form1& f = m_form;
    m_values.strSeparator = ruleValue(f.fengefu->isChecked(), f.fengefutxt->text());
    m_values.setJoints({.numbering = f.Check3->isChecked(),
                        .prefix = f.qianzhui->isChecked(),
                        .suffix = f.houzhui->isChecked(),
                        .date = f.riqi->isChecked(),
                        .version = f.banben->isChecked()});
    composeNewNames(sheet(), m_values, f.ysq->isChecked(), *f.progress);
}

void RuleHandlers::numbering()
{
    // Numbers and names reach the grid together.
    Sheet::Batch batch(sheet());
    writeNumbering(sheet(), m_form.Check3->isChecked(), m_form.bianhaoqian->text());
    separatorStep();
}
