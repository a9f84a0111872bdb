#include "gui/table/SheetHistory.h"

#include "table/SheetModel.h"

#include <QAction>
#include <QUndoCommand>

namespace {

// One step the user sees: the edits of one batch, or of several that belong together, such as
// a new collection's emptying and building of the table. It is already made on the sheet when
// it is pushed, which must not make it again.
class SheetStepCommand final : public QUndoCommand
{
public:
    SheetStepCommand(Sheet& sheet, std::vector<SheetEdit>&& edits) : m_sheet(sheet), m_edits(std::move(edits))
    {
        for (const SheetEdit& edit : m_edits)
            m_heldCells += edit.heldCellCount();
    }

    void undo() override
    {
        for (auto it = m_edits.rbegin(); it != m_edits.rend(); ++it)
            m_sheet.swapContents(*it);
    }
    void redo() override
    {
        if (std::exchange(m_done, false))
            return;
        for (SheetEdit& edit : m_edits)
            m_sheet.swapContents(edit);
    }

    qsizetype heldCells() const { return m_heldCells; }
    std::vector<SheetEdit> takeEdits() { return std::exchange(m_edits, {}); }

private:
    Sheet& m_sheet;
    std::vector<SheetEdit> m_edits; // what the cells held before the step, or after it once undone
    qsizetype m_heldCells = 0;
    bool m_done = true;
};

} // namespace

SheetHistory::SheetHistory(SheetModel& model, QObject* parent, qsizetype cellBudget)
    : QObject(parent), m_model(model), m_cellBudget(cellBudget),
      m_undo(new QAction(QStringLiteral("撤销"), this)), m_redo(new QAction(QStringLiteral("重做"), this))
{
    m_stack.setUndoLimit(StepLimit);
    m_undo->setObjectName(QStringLiteral("undoEdit"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setObjectName(QStringLiteral("redoEdit"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    connect(m_undo, &QAction::triggered, &m_stack, &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, &m_stack, &QUndoStack::redo);
    connect(&m_stack, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    connect(&m_stack, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);

    // A cleared sheet leaves nothing for the earlier steps to act on.
    connect(&m_model, &QAbstractItemModel::modelReset, this, &SheetHistory::clear);
    m_model.setEditSink([this](SheetEdit&& edit) { push(std::move(edit)); });
    m_model.setKeepingSink([this](qsizetype cells) { makeRoom(cells); });
    m_model.sheet().setRecordingEdits(true);
}

void SheetHistory::push(SheetEdit&& edit)
{
    if (m_grouping) {
        m_group.push_back(std::move(edit));
        return;
    }
    std::vector<SheetEdit> step;
    step.push_back(std::move(edit));
    pushStep(std::move(step));
}

void SheetHistory::pushStep(std::vector<SheetEdit>&& edits)
{
    m_stack.push(new SheetStepCommand(m_model.sheet(), std::move(edits)));
    keepWithinBudget();
}

void SheetHistory::makeRoom(qsizetype cells)
{
    // Steps undone wait for a redo, which the step being made will take away; they are left to
    // the push.
    if (m_stack.index() == m_stack.count())
        keepWithinBudget(cells);
}

void SheetHistory::keepWithinBudget(qsizetype coming)
{
    // A step is pushed only once it is made: every step on the stack is done, none waits for a redo.
    const auto stepAt = [this](int index) {
        return static_cast<SheetStepCommand*>(const_cast<QUndoCommand*>(m_stack.command(index)));
    };
    const int count = m_stack.count();
    int first = count; // the oldest step kept
    qsizetype held = coming;
    while (first > 0) {
        const qsizetype cells = stepAt(first - 1)->heldCells();
        if ((first < count || coming > 0) && held + cells > m_cellBudget)
            break;
        held += cells;
        --first;
    }
    if (first == 0)
        return;
    // The stack lets go of its oldest steps only by starting again with the newer ones.
    std::vector<std::vector<SheetEdit>> kept;
    for (int i = first; i < count; ++i)
        kept.push_back(stepAt(i)->takeEdits());
    m_stack.clear();
    for (std::vector<SheetEdit>& edits : kept)
        m_stack.push(new SheetStepCommand(m_model.sheet(), std::move(edits)));
}

void SheetHistory::beginStep()
{
    m_grouping = true;
}

void SheetHistory::endStep()
{
    if (!std::exchange(m_grouping, false) || m_group.empty())
        return;
    pushStep(std::exchange(m_group, {}));
}
