#include "table/SheetColumn.h"

SheetColumn::Value SheetColumn::value(qsizetype i) const
{
    switch (kind(i)) {
    case Kind::Number:
        return m_numbers[i];
    case Kind::Boolean:
        return m_numbers[i] != 0;
    case Kind::Error:
        return FormulaError(quint8(m_numbers[i]));
    case Kind::Text:
        break;
    }
    if (!m_texts[i].isEmpty())
        return m_texts[i];
    return {};
}

const SheetColumn::FormulaPointer& SheetColumn::formula(qsizetype i) const
{
    static const FormulaPointer none;
    return i < qsizetype(m_formulas.size()) ? m_formulas[i] : none;
}

void SheetColumn::reserve(qsizetype size)
{
    if (qsizetype(m_texts.capacity()) < size)
        m_texts.reserve(size);
}

void SheetColumn::growTo(qsizetype size)
{
    if (size <= this->size())
        return;
    // Doubling keeps a column filled row by row linear; the first growth takes what was asked.
    if (qsizetype(m_texts.capacity()) < size)
        m_texts.reserve(std::max<qsizetype>(size, 2 * qsizetype(m_texts.capacity())));
    m_texts.resize(size);
    if (!m_kinds.empty()) {
        m_numbers.resize(size);
        m_kinds.resize(size);
    }
    if (!m_formulas.empty())
        m_formulas.resize(size);
}

void SheetColumn::setKind(qsizetype i, Kind kind, double number)
{
    if (m_kinds.empty()) {
        if (kind == Kind::Text)
            return;
        m_numbers.resize(m_texts.size());
        m_kinds.resize(m_texts.size());
    }
    m_kinds[i] = quint8(kind);
    m_numbers[i] = number;
}

void SheetColumn::setValue(qsizetype i, const Value& value)
{
    growTo(i + 1);
    if (const auto* text = std::get_if<QString>(&value)) {
        m_texts[i] = *text;
        setKind(i, Kind::Text, 0);
        return;
    }
    m_texts[i] = QString();
    if (const auto* number = std::get_if<double>(&value))
        setKind(i, Kind::Number, *number);
    else if (const auto* boolean = std::get_if<bool>(&value))
        setKind(i, Kind::Boolean, *boolean ? 1 : 0);
    else if (const auto* error = std::get_if<FormulaError>(&value))
        setKind(i, Kind::Error, double(*error));
    else
        setKind(i, Kind::Text, 0);
}

void SheetColumn::setText(qsizetype i, const QString& text)
{
    growTo(i + 1);
    m_texts[i] = text;
    setKind(i, Kind::Text, 0);
}

void SheetColumn::setNumber(qsizetype i, double number)
{
    growTo(i + 1);
    m_texts[i] = QString();
    setKind(i, Kind::Number, number);
}

void SheetColumn::setFormula(qsizetype i, FormulaPointer formula)
{
    if (!formula && i >= qsizetype(m_formulas.size()))
        return;
    growTo(i + 1);
    if (m_formulas.empty())
        m_formulas.resize(m_texts.size());
    m_formulas[i] = std::move(formula);
}

void SheetColumn::clear(qsizetype i)
{
    if (i >= size())
        return;
    m_texts[i] = QString();
    setKind(i, Kind::Text, 0);
    if (i < qsizetype(m_formulas.size()))
        m_formulas[i].reset();
}

qsizetype SheetColumn::usedSize(qsizetype limit) const
{
    for (qsizetype i = std::min(limit, size()); i > 0; --i)
        if (holds(i - 1) || formula(i - 1))
            return i;
    return 0;
}
