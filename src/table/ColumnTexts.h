#pragma once

#include "base/TextChunks.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <algorithm>
#include <array>
#include <utility>
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

    void set(qsizetype i, QString text)
    {
        if (m_plain)
            m_texts[i] = std::move(text);
        else if (text.isEmpty())
            m_indices[i] = 0;
        else if (isLastText(text))
            m_indices[i] = m_lastIndex;
        else if (!setRecent(i, text))
            setByHash(i, text);
    }
    // Stores a copy of the text: texts copied one after another share blocks, while a text set
    // whole is its own allocation.
    void setCopy(qsizetype i, QStringView text)
    {
        if (m_plain)
            m_texts[i] = m_chunks.copy(text);
        else if (text.isEmpty())
            m_indices[i] = 0;
        else if (isLastText(text))
            m_indices[i] = m_lastIndex;
        else if (!setRecent(i, text))
            setByHash(i, text.toString());
    }
    void reserve(qsizetype size);
    // Grows to size empty cells, doubling the room taken so a column filled row by row stays
    // linear; the first growth takes what is asked.
    void growTo(qsizetype size)
    {
        if (m_plain)
            grow(m_texts, size);
        else
            grow(m_indices, size);
    }

private:
    template <typename Cells> static void grow(Cells& cells, qsizetype size)
    {
        if (size <= qsizetype(cells.size()))
            return;
        if (qsizetype(cells.capacity()) < size)
            cells.reserve(std::max<qsizetype>(size, 2 * qsizetype(cells.capacity())));
        cells.resize(size);
    }
    // Rows often repeat the text written last, as the same characters in memory or as equal ones
    // (a piece cut from names alike): found without hashing it, which costs a short text some
    // 100 ns.
    bool isLastText(QStringView text) const { return isText(text, m_lastIndex); }
    bool isText(QStringView text, quint32 index) const
    {
        const QString& held = m_distinct[index];
        return text.size() == held.size() && (text.data() == held.constData() || text == held);
    }
    // Sets the cell to one of the texts written lately if the text is among them.
    bool setRecent(qsizetype i, QStringView text);
    void setByHash(qsizetype i, const QString& text);
    void becomePlain();

    bool m_plain = false;
    std::vector<quint32> m_indices;    // while not plain: one per cell into m_distinct
    std::vector<QString> m_distinct;   // m_distinct[0] is the empty text
    QHash<QString, quint32> m_indexOf; // the index of each text in m_distinct but the empty one
    quint32 m_lastIndex = 0;           // the text written last, as rows often repeat it
    // The texts written last but one and before, as rows often take turns among a few (the
    // extensions of a folder of photos and scans), looked at before hashing.
    std::array<quint32, 8> m_recent{};
    quint8 m_nextRecent = 0;
    std::vector<QString> m_texts; // once plain: one per cell
    TextChunks m_chunks;          // the characters of the texts copied in
};
