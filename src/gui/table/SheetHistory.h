#pragma once

#include <QObject>
#include <QUndoStack>
#include <vector>

class QAction;
class SheetModel;
#include "table/SheetEdit.h"

// Undo and redo of the table's edits: each batch of changes to the sheet (a typed cell, a
// paste, a fill, a rule click, a table build) is one step. The file operations of a run keep
// their own undo (撤销改名); this one never touches a file. Each step keeps what the cells it
// changed held; the oldest steps go once the steps together keep more cells than a budget,
// so that rule clicks on a million rows do not pile up gigabytes, and the newest always stays.
class SheetHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepLimit = 50;
    // Cells that held something, kept by all steps together: some 200 MB; a rule click that
    // rewrites two columns keeps 200,000 of them in a table of 100,000 rows.
    static constexpr qsizetype CellBudget = 2'000'000;

    // Turns on the sheet's recording and takes its steps from here on.
    explicit SheetHistory(SheetModel& model, QObject* parent = nullptr, qsizetype cellBudget = CellBudget);

    // 撤销 (Ctrl+Z) and 重做 (Ctrl+Y, Ctrl+Shift+Z), enabled while there is a step to take.
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

    bool canUndo() const { return m_stack.canUndo(); }
    void undo() { m_stack.undo(); }
    void redo() { m_stack.redo(); }
    // Forgets every step: the table holds other files now.
    void clear() { m_stack.clear(); }
    // The edits between these two are one step, undone at once.
    void beginStep();
    void endStep();

private:
    void push(SheetEdit&& edit);
    void pushStep(std::vector<SheetEdit>&& edits);
    // Lets go of the oldest steps until those left and the cells coming fit the budget; the
    // newest step stays unless cells are coming.
    void keepWithinBudget(qsizetype coming = 0);
    void makeRoom(qsizetype cells);

    SheetModel& m_model;
    const qsizetype m_cellBudget;
    QUndoStack m_stack;
    QAction* m_undo;
    QAction* m_redo;
    bool m_grouping = false;
    std::vector<SheetEdit> m_group;
};
