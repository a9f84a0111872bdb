#pragma once

#include "table/CellRange.h"

#include <QTableView>

class SheetModel;

// The grid: shows the sheet as a spreadsheet does and offers what a spreadsheet user expects
// of it: copy and paste of tab-separated ranges, Delete to empty cells, Ctrl+D to fill down.
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

private:
    void applyColumnWidths();
    int pixelsForCharacters(double characters) const;

    SheetModel* m_model = nullptr;
};
