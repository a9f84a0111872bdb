#include "table/ColumnTexts.h"

#include <utility>

namespace {

// The most distinct texts a column of that many cells keeps as indices.
qsizetype distinctLimit(qsizetype cells)
{
    return cells / 16 + 4096;
}

} // namespace

ColumnTexts::ColumnTexts() : m_distinct(1) {}

bool ColumnTexts::setRecent(qsizetype i, QStringView text)
{
    for (const quint32 index : m_recent)
        if (isText(text, index)) {
            m_indices[i] = m_lastIndex = index;
            return true;
        }
    return false;
}

void ColumnTexts::setByHash(qsizetype i, const QString& text)
{
    if (auto it = m_indexOf.constFind(text); it != m_indexOf.cend()) {
        m_indices[i] = m_lastIndex = it.value();
    } else {
        m_indices[i] = m_lastIndex = quint32(m_distinct.size());
        m_indexOf.insert(text, m_lastIndex);
        m_distinct.push_back(text);
        if (qsizetype(m_distinct.size()) > distinctLimit(size())) {
            becomePlain();
            return;
        }
    }
    m_recent[m_nextRecent++ % m_recent.size()] = m_lastIndex;
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
    m_recent = {};
    m_plain = true;
}

void ColumnTexts::reserve(qsizetype size)
{
    if (m_plain && qsizetype(m_texts.capacity()) < size)
        m_texts.reserve(size);
    else if (!m_plain && qsizetype(m_indices.capacity()) < size)
        m_indices.reserve(size);
}
