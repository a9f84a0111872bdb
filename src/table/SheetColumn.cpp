#include "table/SheetColumn.h"

SheetColumn::Value SheetColumn::value(qsizetype i) const
{
    if (isNumber(i))
        return m_numbers[i];
    if (!m_texts[i].isEmpty())
        return m_texts[i];
    return {};
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
    if (!m_numbers.empty()) {
        m_numbers.resize(size);
        m_isNumber.resize(size);
    }
}

void SheetColumn::setText(qsizetype i, const QString& text)
{
    growTo(i + 1);
    m_texts[i] = text;
    if (isNumber(i))
        m_isNumber[i] = false;
}

void SheetColumn::setNumber(qsizetype i, double number)
{
    growTo(i + 1);
    if (m_numbers.empty()) {
        m_numbers.resize(m_texts.size());
        m_isNumber.resize(m_texts.size());
    }
    m_texts[i] = QString();
    m_numbers[i] = number;
    m_isNumber[i] = true;
}

void SheetColumn::clear(qsizetype i)
{
    if (i >= size())
        return;
    m_texts[i] = QString();
    if (isNumber(i))
        m_isNumber[i] = false;
}

qsizetype SheetColumn::usedSize(qsizetype limit) const
{
    for (qsizetype i = std::min(limit, size()); i > 0; --i)
        if (holds(i - 1))
            return i;
    return 0;
}
