#pragma once

#include "table/Sheet.h"
#include "table/SheetObserver.h"

#include <QAbstractTableModel>
#include <functional>

// The grid's view of the sheet: spreadsheet headers (A, B, ... and 1, 2, ...), every cell
// editable, and empty rows and columns beyond the used range to type into. A batch of sheet
// changes reaches the view as one signal per kind, never one per cell.
class SheetModel : public QAbstractTableModel, private SheetObserver
{
    Q_OBJECT

public:
    static constexpr int SpareRows = 100;
    static constexpr int MinimumRows = 200;
    static constexpr int SpareColumns = 4;
    static constexpr int MinimumColumns = 26;

    explicit SheetModel(QObject* parent = nullptr);
    ~SheetModel() override;

    Sheet& sheet() { return m_sheet; }
    const Sheet& sheet() const { return m_sheet; }

    static QString columnName(int column);

    // Receives each finished step of changes while the sheet records them, for an undo.
    void setEditSink(std::function<void(SheetEdit&&)> sink) { m_editSink = std::move(sink); }
    // Told that the step being made will keep about that many cells.
    void setKeepingSink(std::function<void(qsizetype cells)> sink) { m_keepingSink = std::move(sink); }

    // Tells, for a row, why the next run would refuse it (empty when it would not): shown as
    // the row's look and tooltip, never written into a cell.
    void setRowForecast(std::function<QString(qsizetype row)> forecast) { m_forecast = std::move(forecast); }
    // The forecast of rows first to last changed: one signal for them all.
    void rowForecastChanged(qsizetype first, qsizetype last);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // Column widths or column fonts changed.
    void formatChanged();
    // A typed formula was not taken; problem says why, in Chinese.
    void inputRefused(const QString& problem);
    // A circle of references was found: cell is one of its formulas, such as "C5".
    void circularReferenceFound(const QString& cell);

private:
    void cellsChanged(const CellRange& range) override;
    void sheetCleared() override;
    void columnFormatChanged() override;
    void editFinished(SheetEdit&& edit) override;
    void keepingCells(qsizetype cells) override;
    void circularReference(CellAddress cell) override;
    void fitToSheet();
    int wantedRows() const;
    int wantedColumns() const;

    Sheet m_sheet;
    std::function<void(SheetEdit&&)> m_editSink;
    std::function<void(qsizetype)> m_keepingSink;
    std::function<QString(qsizetype)> m_forecast;
    int m_rows = 0;
    int m_columns = 0;
};
