#include "table/TabularText.h"

#include "base/NativeName.h"
#include "table/Sheet.h"

namespace TabularText {

namespace {

QString quoted(const QString& cell)
{
    if (!cell.contains(u'\t') && !cell.contains(u'\n') && !cell.contains(u'\r') && !cell.contains(u'"'))
        return cell;
    QString escaped = cell;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QStringLiteral("\"") + escaped + QStringLiteral("\"");
}

} // namespace

QString fromSheet(const Sheet& sheet, const CellRange& range)
{
    QString text;
    for (qsizetype r = range.top; r <= range.bottom; ++r) {
        for (int c = range.left; c <= range.right; ++c) {
            if (c > range.left)
                text += u'\t';
            // Other programs get the names as the grid shows them.
            text += quoted(NativeName::display(sheet.text(r, c)));
        }
        text += u'\n';
    }
    return text;
}

QList<QStringList> parse(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool cellStarted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (inQuotes) {
            if (ch == u'"' && i + 1 < n && text[i + 1] == u'"') {
                cell += u'"';
                ++i;
            } else if (ch == u'"') {
                inQuotes = false;
            } else {
                cell += ch;
            }
        } else if (ch == u'"' && cell.isEmpty() && !cellStarted) {
            inQuotes = true;
            cellStarted = true;
        } else if (ch == u'\t') {
            row << cell;
            cell.clear();
            cellStarted = false;
        } else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            cellStarted = false;
        } else {
            cell += ch;
            cellStarted = true;
        }
    }
    // A last line without its line break still counts.
    if (cellStarted || !cell.isEmpty() || !row.isEmpty())
        rows << (row << cell);
    return rows;
}

CellRange pasteInto(Sheet& sheet, qsizetype row, int column, const QList<QStringList>& rows)
{
    CellRange written;
    Sheet::Batch batch(sheet);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QStringList& cells = rows[i];
        for (qsizetype j = 0; j < cells.size(); ++j)
            sheet.put(row + i, column + int(j), cells[j]);
        if (!cells.isEmpty())
            written = written.united({row + i, column, row + i, column + int(cells.size()) - 1});
    }
    return written;
}

} // namespace TabularText
