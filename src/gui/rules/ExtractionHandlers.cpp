#include "gui/rules/ExtractionHandlers.h"

#include "base/WholeNumber.h"
#include "gui/rules/RuleHandlers.h"
#include "rules/NameSourceExtraction.h"
#include "table/Sheet.h"

#include <QLineEdit>
#include <QRadioButton>

ExtractionHandlers::ExtractionHandlers(const ExtractionControls& controls, Sheet& sheet, RuleHandlers& rules)
    : m_controls(controls), m_sheet(sheet), m_rules(rules)
{
    const ExtractionControls& c = m_controls;
    // Editing midbegin, choosing an option or opening the frame starts nothing.
    connect(c.leftext, &QLineEdit::textChanged, this,
            [this] { extract(m_controls.left1, NamePiece::From::Left, m_controls.leftext); });
    connect(c.righttxt, &QLineEdit::textChanged, this,
            [this] { extract(m_controls.right1, NamePiece::From::Right, m_controls.righttxt); });
    connect(c.midend, &QLineEdit::textChanged, this, [this] {
        extract(m_controls.mid1, NamePiece::From::Middle, m_controls.midend, m_controls.midbegin);
    });
}

void ExtractionHandlers::extract(const QRadioButton* option, NamePiece::From from,
                                 const QLineEdit* countField, const QLineEdit* startField)
{
    if (!option->isChecked())
        return;
    Sheet::Batch batch(m_sheet);
    const auto count = wholeNumber(countField->text());
    const auto start = startField ? wholeNumber(startField->text()) : std::optional<qint64>(1);
    // A field that is no number keeps the pieces of the last valid count.
    if (count && start)
        extractNameSource(m_sheet, NamePiece{from, *count, *start});
    m_rules.separatorStep();
}
