#include "formula/FormulaError.h"

namespace {

constexpr std::pair<FormulaError, QStringView> Texts[] = {
    {FormulaError::Value, u"#VALUE!"},
    {FormulaError::Ref, u"#REF!"},
    {FormulaError::Name, u"#NAME?"},
    {FormulaError::Div0, u"#DIV/0!"},
    {FormulaError::NA, u"#N/A"},
    {FormulaError::Num, u"#NUM!"},
    {FormulaError::GettingData, u"#GETTING_DATA"},
};

} // namespace

QString errorText(FormulaError error)
{
    for (const auto& [each, text] : Texts)
        if (each == error)
            return text.toString();
    return {};
}

std::optional<FormulaError> errorFromText(QStringView text)
{
    for (const auto& [error, each] : Texts)
        if (text.compare(each, Qt::CaseInsensitive) == 0)
            return error;
    return std::nullopt;
}
