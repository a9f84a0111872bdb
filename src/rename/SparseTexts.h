#pragma once

#include <QHash>
#include <QMutex>
#include <QString>

// Texts that a few of many rows carry, kept apart so that every other row holds none: a row
// keeps a flag of its own and asks here only when it is set. Rows planned or judged side by
// side may fill it from several threads.
class SparseTexts
{
public:
    SparseTexts() = default;
    // Each keeps its own lock.
    SparseTexts(SparseTexts&& other) noexcept { *this = std::move(other); }
    SparseTexts& operator=(SparseTexts&& other) noexcept
    {
        m_texts = std::move(other.m_texts);
        return *this;
    }

    // An empty text takes the row's away.
    void set(qsizetype row, QString text);
    QString value(qsizetype row) const;
    void clear();

private:
    mutable QMutex m_lock;
    QHash<qsizetype, QString> m_texts;
};
