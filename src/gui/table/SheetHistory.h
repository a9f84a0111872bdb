#pragma once

#include <QObject>
#include <QUndoStack>
#include <vector>

class QAction;
class SheetModel;
#include "table/SheetEdit.h"

// Undo and redo of the table's edits: each batch of changes to the sheet (a typed cell, a
// paste, a fill, a rule click, a table build) is one step. The file operations of a run keep
// their own undo (撤销改名); this one never touches a file.
class SheetHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int StepLimit = 50;

    // Turns on the sheet's recording and takes its steps from here on.
    explicit SheetHistory(SheetModel& model, QObject* parent = nullptr);

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

    SheetModel& m_model;
    QUndoStack m_stack;
    QAction* m_undo;
    QAction* m_redo;
    bool m_grouping = false;
    std::vector<SheetEdit> m_group;
};
