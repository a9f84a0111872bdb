#pragma once

#include "table/CellRange.h"

#include <QTableView>

class SheetModel;

// The grid: shows the sheet as a spreadsheet does and offers what a spreadsheet user expects
// of it: copy and paste of tab-separated ranges, Delete to empty cells, Ctrl+D to fill down, and
// one workbook dropped on it brought in.
class SheetView : public QTableView
{
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    void setSheetModel(SheetModel* model);

    // The smallest range holding every selected cell (1-based), empty without a selection.
    CellRange selectedRange() const;

    void copySelection();
    void paste();
    // Empties the selected cells; the selection stays.
    void clearSelectedCells();
    void fillDown();

Q_SIGNALS:
    // A workbook or text table was dropped on the grid, to be imported.
    void workbookDropped(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyColumnWidths();
    int pixelsForCharacters(double characters) const;

    SheetModel* m_model = nullptr;
};
