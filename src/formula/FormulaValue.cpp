#include "formula/FormulaValue.h"

FormulaValue FormulaValue::number(double number)
{
    FormulaValue value;
    value.m_type = Type::Number;
    value.m_number = number;
    return value;
}

FormulaValue FormulaValue::text(QString text)
{
    FormulaValue value;
    value.m_type = Type::Text;
    value.m_text = std::move(text);
    return value;
}

FormulaValue FormulaValue::boolean(bool truth)
{
    FormulaValue value;
    value.m_type = Type::Boolean;
    value.m_number = truth ? 1 : 0;
    return value;
}

bool operator==(const FormulaValue& a, const FormulaValue& b)
{
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case FormulaValue::Type::Empty:
        return true;
    case FormulaValue::Type::Text:
        return a.m_text == b.m_text;
    case FormulaValue::Type::Error:
        return a.m_error == b.m_error;
    case FormulaValue::Type::Number:
    case FormulaValue::Type::Boolean:
        break;
    }
    return a.m_number == b.m_number;
}
