#include "gui/table/FormulaBar.h"

#include "gui/table/FunctionMenu.h"
#include "gui/table/SheetView.h"
#include "table/SheetModel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FormulaBar::FormulaBar(QWidget* parent)
    : QWidget(parent), m_address(new QLabel), m_fx(new QToolButton), m_functions(new FunctionMenu(this)),
      m_field(new QLineEdit)
{
    setAccessibleName(QStringLiteral("公式栏"));
    m_address->setObjectName(QStringLiteral("cellAddress"));
    m_address->setAccessibleName(QStringLiteral("单元格地址"));
    m_address->setMinimumWidth(m_address->fontMetrics().horizontalAdvance(QStringLiteral("XFD1048576")));
    m_fx->setObjectName(QStringLiteral("fxButton"));
    m_fx->setAccessibleName(QStringLiteral("插入函数"));
    m_fx->setToolTip(QStringLiteral("插入函数"));
    m_fx->setText(QStringLiteral("fx"));
    m_field->setObjectName(QStringLiteral("formulaBar"));
    m_field->setAccessibleName(QStringLiteral("单元格内容"));
    m_field->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_address);
    layout->addWidget(m_fx);
    layout->addWidget(m_field, 1);

    connect(m_fx, &QToolButton::clicked, this, &FormulaBar::showFunctions);
    connect(m_functions, &FunctionMenu::insertWanted, this, &FormulaBar::insertAtCursor);
    connect(m_field, &QLineEdit::textEdited, this, [this] { m_editing = true; });
    connect(m_field, &QLineEdit::returnPressed, this, &FormulaBar::commit);
}

void FormulaBar::setView(SheetView* view)
{
    m_view = view;
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        m_editing = false;
        showCurrentCell();
    });
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                const QModelIndex at = m_view->currentIndex();
                if (!m_editing && at.row() >= topLeft.row() && at.row() <= bottomRight.row() &&
                    at.column() >= topLeft.column() && at.column() <= bottomRight.column())
                    showCurrentCell();
            });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_editing = false;
        showCurrentCell();
    });
    showCurrentCell();
}

void FormulaBar::showCurrentCell()
{
    if (m_editing || !m_view)
        return;
    const QModelIndex at = m_view->currentIndex();
    m_shown = at;
    m_address->setText(at.isValid() ? SheetModel::columnName(at.column() + 1) + QString::number(at.row() + 1)
                                    : QString());
    m_field->setText(at.isValid() ? at.data(Qt::EditRole).toString() : QString());
    m_field->setCursorPosition(0);
}

void FormulaBar::commit()
{
    if (!m_shown.isValid())
        return;
    // The same path as typing into the cell: a formula that cannot be read is refused there,
    // and the step goes to the table's undo.
    if (!m_view->model()->setData(m_shown, m_field->text(), Qt::EditRole))
        return; // the text stays for mending
    m_editing = false;
    showCurrentCell();
    m_view->setFocus();
}

void FormulaBar::restore()
{
    m_editing = false;
    showCurrentCell();
    if (m_view)
        m_view->setFocus();
}

void FormulaBar::insertAtCursor(const QString& text)
{
    m_editing = true;
    m_field->setFocus();
    // A function goes into a formula; an empty bar starts one.
    if (m_field->text().isEmpty())
        m_field->insert(QStringLiteral("="));
    m_field->insert(text);
}

void FormulaBar::showFunctions()
{
    // A menu that pops up and returns, so the window goes on while it is open.
    m_functions->popup(m_fx->mapToGlobal(QPoint(0, m_fx->height())));
}

bool FormulaBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        restore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
