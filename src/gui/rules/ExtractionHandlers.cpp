#include "gui/rules/ExtractionHandlers.h"

#include "gui/Form1.h"
#include "rules/NameSourceExtraction.h"
#include "gui/rules/RuleHandlers.h"
#include "base/WholeNumber.h"
#include "table/SheetModel.h"

#include <QLineEdit>
#include <QRadioButton>

ExtractionHandlers::ExtractionHandlers(Form1& form, RuleHandlers& rules) : m_form(form), m_rules(rules)
{
    Form1& f = m_form;
    // Editing midbegin, choosing an option or opening the frame starts nothing.
    connect(f.leftext, &QLineEdit::textChanged, this,
            [this] { extract(m_form.left1, NamePiece::From::Left, m_form.leftext); });
    connect(f.righttxt, &QLineEdit::textChanged, this,
            [this] { extract(m_form.right1, NamePiece::From::Right, m_form.righttxt); });
    connect(f.midend, &QLineEdit::textChanged, this,
            [this] { extract(m_form.mid1, NamePiece::From::Middle, m_form.midend, m_form.midbegin); });
}

void ExtractionHandlers::extract(const QRadioButton* option, NamePiece::From from,
                                 const QLineEdit* countField, const QLineEdit* startField)
{
    if (!option->isChecked())
        return;
    Sheet& sheet = m_form.table->sheet();
    Sheet::Batch batch(sheet);
    const auto count = wholeNumber(countField->text());
    const auto start = startField ? wholeNumber(startField->text()) : std::optional<qint64>(1);
    // A field that is no number keeps the pieces of the last valid count.
    if (count && start)
        extractNameSource(sheet, NamePiece{from, *count, *start});
    m_rules.separatorStep();
}
