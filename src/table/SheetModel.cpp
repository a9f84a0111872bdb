#include "table/SheetModel.h"

#include "base/NativeName.h"
#include "table/SheetRoles.h"

#include <limits>

SheetModel::SheetModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_sheet.setObserver(this);
    m_rows = wantedRows();
    m_columns = wantedColumns();
}

SheetModel::~SheetModel()
{
    m_sheet.setObserver(nullptr);
}

QString SheetModel::columnName(int column)
{
    QString name;
    for (; column > 0; column = (column - 1) / 26)
        name.prepend(QChar(u'A' + (column - 1) % 26));
    return name;
}

int SheetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SheetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant SheetModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const qsizetype row = index.row() + 1;
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        // A name's bytes that are not text show as \xHH; the cell keeps the bytes themselves.
        return NativeName::display(m_sheet.text(row, column));
    case Qt::EditRole:
        // A formula is edited as the formula, not as its value.
        return NativeName::display(m_sheet.inputText(row, column));
    case Qt::TextAlignmentRole:
        // As spreadsheets align: numbers right, TRUE, FALSE and errors in the middle.
        if (m_sheet.isNumber(row, column))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (m_sheet.isError(row, column) || std::holds_alternative<bool>(m_sheet.value(row, column)))
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        return {};
    // A screen reader reads a failed row's reason where a pointer would show it.
    case Qt::AccessibleDescriptionRole:
    case Qt::ToolTipRole: {
        // What the last run did with the row outweighs what the next one would do.
        QString tip = m_sheet.rowMark(row);
        if (tip.isEmpty() && m_forecast)
            tip = m_forecast(row);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case SheetRole::Bold:
        return m_sheet.isBold(row, column);
    case SheetRole::Color:
        if (auto rgb = m_sheet.color(row, column))
            return uint(*rgb);
        return {};
    case SheetRole::FontSize:
        return m_sheet.fontSize(column);
    case SheetRole::Marked:
        return !m_sheet.rowMark(row).isEmpty();
    case SheetRole::Forecast: {
        const QString reason = m_forecast ? m_forecast(row) : QString();
        return reason.isEmpty() ? QVariant() : QVariant(reason);
    }
    default:
        return {};
    }
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const qsizetype row = index.row() + 1;
    const int column = index.column() + 1;
    const QString input = value.toString();
    // An edit that leaves a name with raw bytes as it was shown keeps the bytes; anything typed
    // is text.
    const QString current = m_sheet.inputText(row, column);
    if (NativeName::hasRawBytes(current) && input == NativeName::display(current))
        return true;
    // Typed input stays exactly as typed, apart from the "'" text marker and a formula's "=".
    const Sheet::PutOutcome outcome = m_sheet.put(row, column, input);
    if (!outcome.stored)
        Q_EMIT inputRefused(outcome.problem);
    return outcome.stored;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columnName(section + 1);
    return section + 1;
}

int SheetModel::wantedRows() const
{
    const qsizetype rows = std::max<qsizetype>(m_sheet.usedRowCount() + SpareRows, MinimumRows);
    return int(std::min<qsizetype>(rows, std::numeric_limits<int>::max()));
}

int SheetModel::wantedColumns() const
{
    return std::max(m_sheet.usedColumnCount() + SpareColumns, MinimumColumns);
}

void SheetModel::fitToSheet()
{
    // Rows and columns beyond the spare ones go once the cells above them are emptied, so an
    // emptied or smaller table does not leave the grid scrolling through blank rows.
    if (const int rows = wantedRows(); rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows({}, rows, m_rows - 1);
        m_rows = rows;
        endRemoveRows();
    }
    if (const int columns = wantedColumns(); columns > m_columns) {
        beginInsertColumns({}, m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    } else if (columns < m_columns) {
        beginRemoveColumns({}, columns, m_columns - 1);
        m_columns = columns;
        endRemoveColumns();
    }
}

void SheetModel::cellsChanged(const CellRange& range)
{
    fitToSheet();
    const int top = int(std::min<qsizetype>(range.top, m_rows)) - 1;
    const int bottom = int(std::min<qsizetype>(range.bottom, m_rows)) - 1;
    const int left = std::min(range.left, m_columns) - 1;
    const int right = std::min(range.right, m_columns) - 1;
    if (top >= 0 && left >= 0)
        Q_EMIT dataChanged(index(top, left), index(bottom, right));
}

void SheetModel::rowForecastChanged(qsizetype first, qsizetype last)
{
    const int top = int(std::min<qsizetype>(first, m_rows)) - 1;
    const int bottom = int(std::min<qsizetype>(last, m_rows)) - 1;
    if (top >= 0 && bottom >= top)
        Q_EMIT dataChanged(index(top, 0), index(bottom, m_columns - 1),
                           {SheetRole::Forecast, Qt::ToolTipRole});
}

void SheetModel::sheetCleared()
{
    beginResetModel();
    m_rows = wantedRows();
    m_columns = wantedColumns();
    endResetModel();
    Q_EMIT formatChanged();
}

void SheetModel::editFinished(SheetEdit&& edit)
{
    if (m_editSink)
        m_editSink(std::move(edit));
}

void SheetModel::keepingCells(qsizetype cells)
{
    if (m_keepingSink)
        m_keepingSink(cells);
}

void SheetModel::circularReference(CellAddress cell)
{
    Q_EMIT circularReferenceFound(columnName(cell.column) + QString::number(cell.row));
}

void SheetModel::columnFormatChanged()
{
    Q_EMIT formatChanged();
}
