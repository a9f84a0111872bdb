#pragma once

#include "gui/table/CellClipboard.h"
#include "table/CellRange.h"

#include <QTableView>

class SheetModel;

// The grid: shows the sheet as a spreadsheet does and offers what a spreadsheet user expects
// of it: cut, copy and paste of ranges (formulas kept inside the program, tab-separated values
// for others), Delete to empty cells, Ctrl+D to fill down, Ctrl+Enter to type into every
// selected cell, Ctrl+A to select all, and one workbook dropped on it brought in.
class SheetView : public QTableView
{
    Q_OBJECT

public:
    explicit SheetView(QWidget* parent = nullptr);

    void setSheetModel(SheetModel* model);
    // Puts undo and redo at the head of the context menu.
    void addHistoryActions(QAction* undo, QAction* redo);

    // The smallest range holding every selected cell (1-based), empty without a selection.
    CellRange selectedRange() const;

    void copySelection();
    void cutSelection();
    void paste();
    // Empties the selected cells; the selection stays.
    void clearSelectedCells();
    // Copies the top row of each selected block into the rows below it, formulas shifted row by
    // row; a block of one row takes the row above it.
    void fillDown();
    // Puts typed input into every selected cell, as the current cell takes it.
    void enterIntoSelection(const QString& input);

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
    // The selected blocks, 1-based, cut to the rows and columns that hold anything.
    QList<CellRange> usedSelection() const;

    SheetModel* m_model = nullptr;
    CellClipboard m_clipboard;
};
