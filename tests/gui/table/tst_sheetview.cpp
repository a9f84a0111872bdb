#include "gui/table/SheetView.h"
#include "table/SheetModel.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

class TestSheetView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void copyGivesTabSeparatedRange();
    void pasteFillsFromTheCurrentCell();
    void deleteEmptiesTheSelection();
    void fillDownCopiesTheFirstRow();
    void cutAllThenPasteBringsFormulasBack();
    void columnWidthsFollowTheSheet();

private:
    void select(int top, int left, int bottom, int right);

    SheetModel* m_model = nullptr;
    SheetView* m_view = nullptr;
};

void TestSheetView::init()
{
    m_model = new SheetModel(this);
    m_view = new SheetView;
    m_view->setSheetModel(m_model);
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_view->setFocus();
}

void TestSheetView::cleanup()
{
    delete m_view;
    delete m_model;
}

// 1-based, as the sheet counts.
void TestSheetView::select(int top, int left, int bottom, int right)
{
    m_view->setCurrentIndex(m_model->index(top - 1, left - 1));
    m_view->selectionModel()->select(
        QItemSelection(m_model->index(top - 1, left - 1), m_model->index(bottom - 1, right - 1)),
        QItemSelectionModel::ClearAndSelect);
}

void TestSheetView::copyGivesTabSeparatedRange()
{
    Sheet& sheet = m_model->sheet();
    sheet.put(2, Sheet::B, "007");
    sheet.put(2, Sheet::C, "新名");
    sheet.setNumber(3, Sheet::B, 2);
    select(2, Sheet::B, 3, Sheet::C);
    QTest::keySequence(m_view, QKeySequence::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("007\t新名\n2\t\n"));
}

void TestSheetView::pasteFillsFromTheCurrentCell()
{
    QApplication::clipboard()->setText("甲\n007\r\n'乙\tx\n");
    select(2, Sheet::C, 2, Sheet::C);
    QTest::keySequence(m_view, QKeySequence::Paste);
    const Sheet& sheet = m_model->sheet();
    QCOMPARE(sheet.text(2, Sheet::C), QStringLiteral("甲"));
    QCOMPARE(sheet.text(3, Sheet::C), QStringLiteral("007"));
    QVERIFY(!sheet.isNumber(3, Sheet::C));
    QCOMPARE(sheet.text(4, Sheet::C), QStringLiteral("乙"));
    QCOMPARE(sheet.text(4, Sheet::D), QStringLiteral("x"));
    QCOMPARE(sheet.usedRowCount(), 4);
}

void TestSheetView::deleteEmptiesTheSelection()
{
    Sheet& sheet = m_model->sheet();
    for (int r = 1; r <= 4; ++r)
        for (int c = Sheet::A; c <= Sheet::C; ++c)
            sheet.put(r, c, "v");
    select(2, Sheet::B, 3, Sheet::C);
    QTest::keyClick(m_view, Qt::Key_Delete);
    QVERIFY(sheet.isEmpty(2, Sheet::B));
    QVERIFY(sheet.isEmpty(3, Sheet::C));
    QCOMPARE(sheet.text(2, Sheet::A), QStringLiteral("v"));
    QCOMPARE(sheet.text(4, Sheet::B), QStringLiteral("v"));
}

void TestSheetView::fillDownCopiesTheFirstRow()
{
    Sheet& sheet = m_model->sheet();
    sheet.put(2, Sheet::C, "007");
    sheet.setNumber(2, Sheet::D, 5);
    sheet.put(3, Sheet::C, "old");
    sheet.put(6, Sheet::C, "below");
    select(2, Sheet::C, 5, Sheet::D);
    QTest::keyClick(m_view, Qt::Key_D, Qt::ControlModifier);
    for (int r = 3; r <= 5; ++r) {
        QCOMPARE(sheet.text(r, Sheet::C), QStringLiteral("007"));
        QVERIFY(sheet.isNumber(r, Sheet::D));
    }
    QCOMPARE(sheet.text(6, Sheet::C), QStringLiteral("below"));
}

void TestSheetView::cutAllThenPasteBringsFormulasBack()
{
    Sheet& sheet = m_model->sheet();
    sheet.put(1, Sheet::B, "name");
    sheet.put(2, Sheet::C, "=B1&\"x\"");
    QTest::keySequence(m_view, QKeySequence::SelectAll);
    QTest::keySequence(m_view, QKeySequence::Cut);
    QCOMPARE(sheet.usedRowCount(), 0);
    QTest::keySequence(m_view, QKeySequence::Paste);
    QCOMPARE(sheet.inputText(2, Sheet::C), QStringLiteral("=B1&\"x\""));
    QCOMPARE(sheet.text(2, Sheet::C), QStringLiteral("namex"));
}

void TestSheetView::columnWidthsFollowTheSheet()
{
    const int designedB = m_view->columnWidth(1);
    QVERIFY(designedB > m_view->columnWidth(0));
    m_model->sheet().setColumnWidth(Sheet::A, 3);
    const int narrowA = m_view->columnWidth(0);
    m_model->sheet().setColumnWidth(Sheet::A, 30);
    QVERIFY(m_view->columnWidth(0) > narrowA);
    QCOMPARE(m_view->columnWidth(1), designedB);
}

QTEST_MAIN(TestSheetView)
#include "tst_sheetview.moc"
