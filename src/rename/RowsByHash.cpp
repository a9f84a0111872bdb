#include "rename/RowsByHash.h"

void RowsByHash::clear()
{
    m_first.clear();
    m_more.clear();
}

void RowsByHash::add(size_t hash, qsizetype row)
{
    auto first = m_first.find(hash);
    if (first == m_first.end())
        m_first.insert(hash, row);
    else
        m_more[hash].append(row);
}

void RowsByHash::remove(size_t hash, qsizetype row)
{
    auto first = m_first.find(hash);
    if (first == m_first.end())
        return;
    auto more = m_more.find(hash);
    if (*first == row) {
        if (more == m_more.end()) {
            m_first.erase(first);
            return;
        }
        *first = more->takeFirst();
    } else if (more == m_more.end() || !more->removeOne(row)) {
        return;
    }
    if (more->isEmpty())
        m_more.erase(more);
}

RowsByHash::Rows RowsByHash::rowsOf(size_t hash) const
{
    Rows rows;
    const auto first = m_first.constFind(hash);
    if (first == m_first.cend())
        return rows;
    rows.append(*first);
    if (const auto more = m_more.constFind(hash); more != m_more.cend())
        rows.append(more->constData(), more->size());
    return rows;
}
