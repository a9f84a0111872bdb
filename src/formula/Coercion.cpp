#include "formula/Coercion.h"

#include "formula/NumberText.h"
#include "formula/ValueText.h"

Checked<double> toNumber(const FormulaValue& value)
{
    switch (value.type()) {
    case FormulaValue::Type::Number:
    case FormulaValue::Type::Boolean:
        return value.asNumber();
    case FormulaValue::Type::Empty:
        return 0.0;
    case FormulaValue::Type::Text:
        if (const std::optional<double> number = numberFromText(value.asText()))
            return *number;
        return FormulaError::Value;
    case FormulaValue::Type::Error:
        break;
    }
    return value.asError();
}

Checked<QString> toText(const FormulaValue& value)
{
    if (value.isText())
        return value.asText();
    if (value.isError())
        return value.asError();
    return shownText(value);
}

Checked<bool> toBoolean(const FormulaValue& value)
{
    switch (value.type()) {
    case FormulaValue::Type::Number:
    case FormulaValue::Type::Boolean:
        return value.asNumber() != 0;
    case FormulaValue::Type::Empty:
        return false;
    case FormulaValue::Type::Text:
        if (value.asText().compare(u"TRUE", Qt::CaseInsensitive) == 0)
            return true;
        if (value.asText().compare(u"FALSE", Qt::CaseInsensitive) == 0)
            return false;
        return FormulaError::Value;
    case FormulaValue::Type::Error:
        break;
    }
    return value.asError();
}
