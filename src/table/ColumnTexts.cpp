#include "table/ColumnTexts.h"

#include <algorithm>
#include <utility>

namespace {

// The most distinct texts a column of that many cells keeps as indices.
qsizetype distinctLimit(qsizetype cells)
{
    return cells / 16 + 4096;
}

} // namespace

ColumnTexts::ColumnTexts() : m_distinct(1) {}

void ColumnTexts::set(qsizetype i, QString text)
{
    if (m_plain) {
        m_texts[i] = std::move(text);
        return;
    }
    m_indices[i] = indexOf(text);
    if (qsizetype(m_distinct.size()) > distinctLimit(size()))
        becomePlain();
}

quint32 ColumnTexts::indexOf(const QString& text)
{
    if (text.isEmpty())
        return 0;
    // The same characters in memory are the same text, found without hashing it.
    const QString& last = m_distinct[m_lastIndex];
    if (text.constData() == last.constData() && text.size() == last.size())
        return m_lastIndex;
    auto it = m_indexOf.constFind(text);
    if (it == m_indexOf.cend()) {
        it = m_indexOf.insert(text, quint32(m_distinct.size()));
        m_distinct.push_back(text);
    }
    m_lastIndex = it.value();
    return m_lastIndex;
}

void ColumnTexts::becomePlain()
{
    std::vector<QString> texts;
    // The room asked for the indices is kept for the texts.
    texts.reserve(m_indices.capacity());
    for (quint32 index : m_indices)
        texts.push_back(m_distinct[index]);
    m_texts = std::move(texts);
    m_indices = std::vector<quint32>();
    m_distinct = std::vector<QString>();
    m_indexOf = QHash<QString, quint32>();
    m_lastIndex = 0;
    m_plain = true;
}

void ColumnTexts::reserve(qsizetype size)
{
    if (m_plain && qsizetype(m_texts.capacity()) < size)
        m_texts.reserve(size);
    else if (!m_plain && qsizetype(m_indices.capacity()) < size)
        m_indices.reserve(size);
}

void ColumnTexts::growTo(qsizetype size)
{
    auto grow = [size](auto& cells) {
        if (size <= qsizetype(cells.size()))
            return;
        if (qsizetype(cells.capacity()) < size)
            cells.reserve(std::max<qsizetype>(size, 2 * qsizetype(cells.capacity())));
        cells.resize(size);
    };
    if (m_plain)
        grow(m_texts);
    else
        grow(m_indices);
}
