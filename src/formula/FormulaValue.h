#pragma once

#include "formula/FormulaError.h"

#include <QString>

// What a cell holds or a formula gives: nothing, a number, a text, TRUE or FALSE, or an error.
class FormulaValue
{
public:
    enum class Type : quint8
    {
        Empty,
        Number,
        Text,
        Boolean,
        Error
    };

    FormulaValue() = default;
    FormulaValue(FormulaError error) : m_type(Type::Error), m_error(error) {}
    static FormulaValue number(double number);
    static FormulaValue text(QString text);
    static FormulaValue boolean(bool value);

    Type type() const { return m_type; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNumber() const { return m_type == Type::Number; }
    bool isText() const { return m_type == Type::Text; }
    bool isBoolean() const { return m_type == Type::Boolean; }
    bool isError() const { return m_type == Type::Error; }

    // Each of these is meaningful only for a value of its own type.
    double asNumber() const { return m_number; }
    const QString& asText() const { return m_text; }
    bool asBoolean() const { return m_number != 0; }
    FormulaError asError() const { return m_error; }

    friend bool operator==(const FormulaValue& a, const FormulaValue& b);

private:
    Type m_type = Type::Empty;
    FormulaError m_error = FormulaError::Value;
    double m_number = 0; // also 1 or 0 for TRUE or FALSE
    QString m_text;
};
