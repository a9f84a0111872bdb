#pragma once

#include "formula/FormulaError.h"

#include <QString>
#include <memory>
#include <variant>
#include <vector>

class Formula;

// The cells of one column, 0-based. Most columns hold only text, so a cell costs one QString;
// the numbers, kinds and formulas of a column that has any live beside the texts. A formula
// cell keeps its current value in the same places a plain cell keeps its own.
class SheetColumn
{
public:
    using Value = std::variant<std::monostate, double, QString, bool, FormulaError>;
    using FormulaPointer = std::shared_ptr<const Formula>;

    qsizetype size() const { return qsizetype(m_texts.size()); }
    bool holds(qsizetype i) const { return !m_texts[i].isEmpty() || kind(i) != Kind::Text; }
    bool isNumber(qsizetype i) const { return kind(i) == Kind::Number; }
    bool isError(qsizetype i) const { return kind(i) == Kind::Error; }
    const QString& text(qsizetype i) const { return m_texts[i]; }
    double number(qsizetype i) const { return m_numbers[i]; }
    Value value(qsizetype i) const;
    // The formula of the cell, or null.
    const FormulaPointer& formula(qsizetype i) const;
    bool hasFormulas() const { return !m_formulas.empty(); }

    void reserve(qsizetype size);
    // Stores the value, growing the column to hold index i; the cell's formula stays. An empty
    // text is an empty cell.
    void setValue(qsizetype i, const Value& value);
    void setText(qsizetype i, const QString& text);
    void setNumber(qsizetype i, double number);
    // Sets or removes the cell's formula; its value is set apart.
    void setFormula(qsizetype i, FormulaPointer formula);
    // Empties the cell, formula included.
    void clear(qsizetype i);

    // The index after the last cell that holds something, looking no further than limit.
    qsizetype usedSize(qsizetype limit) const;

private:
    enum class Kind : quint8
    {
        Text, // also an empty cell: its text is empty
        Number,
        Boolean,
        Error,
    };

    Kind kind(qsizetype i) const { return i < qsizetype(m_kinds.size()) ? Kind(m_kinds[i]) : Kind::Text; }
    void setKind(qsizetype i, Kind kind, double number);
    void growTo(qsizetype size);

    std::vector<QString> m_texts;
    std::vector<double> m_numbers;          // sized with m_texts once the column holds anything but text
    std::vector<quint8> m_kinds;            // likewise
    std::vector<FormulaPointer> m_formulas; // sized with m_texts once the column holds a formula
};
