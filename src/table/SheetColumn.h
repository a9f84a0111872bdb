#pragma once

#include <QString>
#include <variant>
#include <vector>

// The cells of one column, 0-based. Most columns hold only text, so a cell costs one QString;
// the numbers of a column that has any live beside the texts.
class SheetColumn
{
public:
    using Value = std::variant<std::monostate, double, QString>;

    qsizetype size() const { return qsizetype(m_texts.size()); }
    bool holds(qsizetype i) const { return !m_texts[i].isEmpty() || isNumber(i); }
    bool isNumber(qsizetype i) const { return i < qsizetype(m_isNumber.size()) && m_isNumber[i]; }
    const QString& text(qsizetype i) const { return m_texts[i]; }
    double number(qsizetype i) const { return m_numbers[i]; }
    Value value(qsizetype i) const;

    void reserve(qsizetype size);
    // Grows the column to hold index i; text must not be empty (that is an empty cell).
    void setText(qsizetype i, const QString& text);
    void setNumber(qsizetype i, double number);
    void clear(qsizetype i);

    // The index after the last cell that holds something, looking no further than limit.
    qsizetype usedSize(qsizetype limit) const;

private:
    void growTo(qsizetype size);

    std::vector<QString> m_texts;
    std::vector<double> m_numbers; // sized with m_texts once the column holds a number
    std::vector<bool> m_isNumber;
};
