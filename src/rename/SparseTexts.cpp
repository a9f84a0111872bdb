#include "rename/SparseTexts.h"

void SparseTexts::set(qsizetype row, QString text)
{
    const QMutexLocker locker(&m_lock);
    if (text.isEmpty())
        m_texts.remove(row);
    else
        m_texts.insert(row, std::move(text));
}

QString SparseTexts::value(qsizetype row) const
{
    const QMutexLocker locker(&m_lock);
    return m_texts.value(row);
}

void SparseTexts::clear()
{
    const QMutexLocker locker(&m_lock);
    m_texts.clear();
}
