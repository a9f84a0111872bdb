#pragma once

#include "table/Sheet.h"
#include "table/SheetObserver.h"

#include <QAbstractTableModel>

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

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // Column widths or column fonts changed.
    void formatChanged();

private:
    void cellsChanged(const CellRange& range) override;
    void sheetCleared() override;
    void columnFormatChanged() override;
    void growToFit();
    int wantedRows() const;
    int wantedColumns() const;

    Sheet m_sheet;
    int m_rows = 0;
    int m_columns = 0;
};
