#pragma once

#include <QHash>
#include <QString>
#include <vector>

// The texts of a column's cells held side by side, 0-based; a cell that holds none has the empty
// text. After a folder is collected, the extension and folder columns repeat a handful of texts
// over every row, so a column starts with a 4-byte index per cell into the distinct texts it has
// seen, equal texts sharing one QString. Once the distinct texts outnumber a sixteenth of the
// cells plus a few thousand (names, which hardly ever repeat), it holds a QString per cell from
// then on: that costs 24 bytes a cell, and the list of distinct texts stays small enough that
// texts no cell holds any more need not be removed from it.
class ColumnTexts
{
public:
    ColumnTexts();

    qsizetype size() const { return m_plain ? qsizetype(m_texts.size()) : qsizetype(m_indices.size()); }
    const QString& operator[](qsizetype i) const { return m_plain ? m_texts[i] : m_distinct[m_indices[i]]; }
    bool isEmpty(qsizetype i) const { return m_plain ? m_texts[i].isEmpty() : m_indices[i] == 0; }
    // Whether each cell holds a QString of its own rather than an index.
    bool holdsPlainTexts() const { return m_plain; }

    void set(qsizetype i, QString text);
    void reserve(qsizetype size);
    // Grows to size empty cells, doubling the room taken so a column filled row by row stays
    // linear; the first growth takes what is asked.
    void growTo(qsizetype size);

private:
    quint32 indexOf(const QString& text);
    void becomePlain();

    bool m_plain = false;
    std::vector<quint32> m_indices;    // while not plain: one per cell into m_distinct
    std::vector<QString> m_distinct;   // m_distinct[0] is the empty text
    QHash<QString, quint32> m_indexOf; // the index of each text in m_distinct but the empty one
    quint32 m_lastIndex = 0;           // the text written last, as rows often repeat it
    std::vector<QString> m_texts;      // once plain: one per cell
};
