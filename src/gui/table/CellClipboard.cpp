#include "gui/table/CellClipboard.h"

#include "table/Sheet.h"
#include "table/TabularText.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUuid>

namespace {

const QString MarkFormat = QStringLiteral("application/x-renvora-cells");

} // namespace

void CellClipboard::copy(const Sheet& sheet, const CellRange& range)
{
    m_rows = range.bottom - range.top + 1;
    m_columns = range.right - range.left + 1;
    m_cells.clear();
    m_cells.reserve(size_t(m_rows * m_columns));
    for (qsizetype r = range.top; r <= range.bottom; ++r)
        for (int c = range.left; c <= range.right; ++c)
            m_cells.push_back(sheet.content(r, c));
    m_mark = QUuid::createUuid().toByteArray();

    auto* data = new QMimeData;
    data->setText(TabularText::fromSheet(sheet, range));
    data->setData(MarkFormat, m_mark);
    QApplication::clipboard()->setMimeData(data);
}

bool CellClipboard::holdsOwnCopy() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return !m_mark.isEmpty() && data && data->data(MarkFormat) == m_mark;
}

CellRange CellClipboard::paste(Sheet& sheet, qsizetype row, int column) const
{
    if (!holdsOwnCopy())
        return TabularText::pasteInto(sheet, row, column,
                                      TabularText::parse(QApplication::clipboard()->text()));
    Sheet::Batch batch(sheet);
    // A formula keeps its distances to the cells it reads, so in its new place it reads the
    // cells there; a value is put exactly as it was.
    auto cell = m_cells.begin();
    for (qsizetype r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            sheet.setContent(row + r, column + c, *cell++);
    return {row, column, row + m_rows - 1, column + m_columns - 1};
}
