#pragma once

#include <QPersistentModelIndex>
#include <QWidget>

class FunctionMenu;
class QLabel;
class QLineEdit;
class QToolButton;
class SheetView;

// The bar above the grid, as spreadsheets have it: the current cell's address, the fx button
// that lists the functions, and the cell's content (a formula as the formula), editable. Enter
// puts the text into the cell as typing there does; Esc gives the cell's content back.
class FormulaBar : public QWidget
{
    Q_OBJECT

public:
    explicit FormulaBar(QWidget* parent = nullptr);

    // Follows the view's current cell; the view must have its model.
    void setView(SheetView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCurrentCell();
    void commit();
    void restore();
    void insertAtCursor(const QString& text);
    void showFunctions();

    SheetView* m_view = nullptr;
    QLabel* m_address;
    QToolButton* m_fx;
    FunctionMenu* m_functions;
    QLineEdit* m_field;
    QPersistentModelIndex m_shown;
    bool m_editing = false; // the field holds text not yet put into the cell
};
