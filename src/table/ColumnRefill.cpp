#include "table/ColumnRefill.h"

#include <algorithm>
#include <utility>

ColumnRefill::ColumnRefill(Sheet& sheet, int column, qsizetype rows)
    : m_sheet(sheet), m_batch(sheet), m_column(column)
{
    if (!former().holdsTextsOnly()) {
        m_cellByCell.emplace(sheet, column);
        sheet.reserveRows(column, column, rows);
        return;
    }
    m_texts.reserve(std::max(former().size(), rows));
}

ColumnRefill::~ColumnRefill()
{
    if (m_cellByCell || !m_changed)
        return;
    carryTo(former().size());
    m_sheet.replaceColumn(m_column, SheetColumn::ofTexts(std::move(m_texts), m_held));
}

void ColumnRefill::carryTo(qsizetype end)
{
    m_texts.growTo(end);
    const SheetColumn& cells = former();
    for (const qsizetype last = std::min(end, cells.size()); m_next < last; ++m_next)
        if (const QString& text = cells.text(m_next); !text.isEmpty()) {
            m_texts.set(m_next, text);
            ++m_held;
        }
    m_next = std::max(m_next, end);
}

void ColumnRefill::setText(qsizetype row, QString text)
{
    if (m_cellByCell)
        m_cellByCell->setText(row, std::move(text));
    else if (const qsizetype i = prepare(row, text); i >= 0)
        m_texts.set(i, std::move(text));
}

void ColumnRefill::setCopy(qsizetype row, QStringView text)
{
    if (m_cellByCell)
        m_cellByCell->setText(row, text.toString());
    else if (const qsizetype i = prepare(row, text); i >= 0)
        m_texts.setCopy(i, text);
}

qsizetype ColumnRefill::prepare(qsizetype row, QStringView text)
{
    const qsizetype i = row - 1;
    if (i < m_next || row > Sheet::MaxRows)
        return -1;
    if (!m_changed) {
        // Nothing is made until a row changes: the rows before it are carried over then.
        const SheetColumn& cells = former();
        m_changed = i < cells.size() ? cells.text(i) != text : !text.isEmpty();
        if (!m_changed)
            return -1;
        m_sheet.willKeep(cells.size());
    }
    if (m_next < i)
        carryTo(i);
    m_texts.growTo(i + 1);
    m_held += qsizetype(!text.isEmpty());
    m_next = i + 1;
    return i;
}
