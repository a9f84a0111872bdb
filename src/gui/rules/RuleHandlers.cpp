#include "gui/rules/RuleHandlers.h"

#include "gui/ControlEvents.h"
#include "gui/rename/ModeHandlers.h"
#include "gui/rules/ExtractionHandlers.h"
#include "gui/rules/ReplacementHandler.h"
#include "rules/DateText.h"
#include "rules/NewNameComposition.h"
#include "rules/Numbering.h"
#include "table/Sheet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

RuleHandlers::RuleHandlers(const RuleControls& controls, Sheet& sheet, const ModeHandlers& modes,
                           Progress& progress)
    : m_controls(controls), m_sheet(sheet), m_modes(modes), m_progress(progress),
      m_extraction(std::make_unique<ExtractionHandlers>(controls.extraction, sheet, *this)),
      m_replacement(std::make_unique<ReplacementHandler>(controls.replacement, sheet))
{
    const RuleControls& c = m_controls;
    connectRule(c.qianzhui, c.qianzhuitxt, c.Command8, &RuleValues::strPrefix);
    connectRule(c.houzhui, c.houzhuitxt, c.Command9, &RuleValues::strSuffix);
    connectRule(c.riqi, c.riqitxt, c.Command10, &RuleValues::strDate);
    connectRule(c.banben, c.banbentxt, c.Command11, &RuleValues::strVersion);
    connectRule(c.fengefu, c.fengefutxt, c.Command7, &RuleValues::strSeparator);

    ControlEvents::onClick(c.Check3, this, [this] { numbering(); });
    connect(c.Command6, &QPushButton::clicked, this, [this] {
        if (m_controls.Check3->isChecked())
            numbering();
    });
}

RuleHandlers::~RuleHandlers() = default;

void RuleHandlers::loadDefaults(QDate today)
{
    m_controls.riqitxt->setText(dateForFileName(today));
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
    const RuleControls& c = m_controls;
    m_values.strSeparator = ruleValue(c.fengefu->isChecked(), c.fengefutxt->text());
    m_values.setJoints({.numbering = c.Check3->isChecked(),
                        .prefix = c.qianzhui->isChecked(),
                        .suffix = c.houzhui->isChecked(),
                        .date = c.riqi->isChecked(),
                        .version = c.banben->isChecked()});
    composeNewNames(m_sheet, m_values, m_modes.batchDerivationOn(), m_progress);
}

void RuleHandlers::numbering()
{
    // Numbers and names reach the grid together.
    Sheet::Batch batch(m_sheet);
    writeNumbering(m_sheet, m_controls.Check3->isChecked(), m_controls.bianhaoqian->text());
    separatorStep();
}
