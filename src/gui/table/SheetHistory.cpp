#include "gui/table/SheetHistory.h"

#include "table/SheetModel.h"

#include <QAction>
#include <QUndoCommand>

namespace {

// A step already made on the sheet: pushing it must not make it again.
class SheetEditCommand final : public QUndoCommand
{
public:
    SheetEditCommand(Sheet& sheet, SheetEdit&& edit) : m_sheet(sheet), m_edit(std::move(edit)) {}

    void undo() override { m_sheet.swapContents(m_edit); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_sheet.swapContents(m_edit);
    }

private:
    Sheet& m_sheet;
    SheetEdit m_edit; // what the cells held before the step, or after it once undone
    bool m_done = true;
};

// Steps already made on the sheet that the user sees as one, such as a new collection's
// emptying and building of the table.
class GroupedEditsCommand final : public QUndoCommand
{
public:
    GroupedEditsCommand(Sheet& sheet, std::vector<SheetEdit>&& edits)
        : m_sheet(sheet), m_edits(std::move(edits))
    {
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

private:
    Sheet& m_sheet;
    std::vector<SheetEdit> m_edits;
    bool m_done = true;
};

} // namespace

SheetHistory::SheetHistory(SheetModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_undo(new QAction(QStringLiteral("撤销"), this)),
      m_redo(new QAction(QStringLiteral("重做"), this))
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
    m_model.sheet().setRecordingEdits(true);
}

void SheetHistory::push(SheetEdit&& edit)
{
    if (m_grouping)
        m_group.push_back(std::move(edit));
    else
        m_stack.push(new SheetEditCommand(m_model.sheet(), std::move(edit)));
}

void SheetHistory::beginStep()
{
    m_grouping = true;
}

void SheetHistory::endStep()
{
    if (!std::exchange(m_grouping, false) || m_group.empty())
        return;
    m_stack.push(new GroupedEditsCommand(m_model.sheet(), std::exchange(m_group, {})));
}
