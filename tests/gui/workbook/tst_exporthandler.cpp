#include "CellDescription.h"
#include "WindowTestFixture.h"

#include "base/NativeName.h"
#include "collect/FileListModel.h"
#include "gui/table/SheetView.h"
#include "gui/workbook/ExportHandler.h"
#include "table/SheetModel.h"
#include "workbook/TableImport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

namespace {

// Everything the user could see change: every cell with its look, the file list, the
// target folder and each control's state.
QStringList windowState(GuiTest& gui)
{
    QStringList state;
    const Sheet& sheet = gui.table().sheet();
    for (qsizetype r = 1; r <= sheet.usedRowCount() + 1; ++r)
        for (int c = 1; c <= sheet.usedColumnCount() + 1; ++c)
            state << u"%1,%2:%3:%4:%5:%6"_qs.arg(r)
                         .arg(c)
                         .arg(sheet.value(r, c).index())
                         .arg(sheet.text(r, c))
                         .arg(sheet.isBold(r, c))
                         .arg(sheet.color(r, c).value_or(1u << 24));
    for (int c = 1; c <= 12; ++c)
        state << u"column %1:%2:%3"_qs.arg(c).arg(sheet.columnWidth(c).value_or(-1)).arg(sheet.fontSize(c));
    state << gui.files().paths() << gui.targetFolder();
    for (const QCheckBox* box : gui.window().findChildren<QCheckBox*>())
        state << box->objectName() + u':' + QString::number(box->isChecked()) +
                     QString::number(box->isEnabled());
    for (const QRadioButton* option : gui.window().findChildren<QRadioButton*>())
        state << option->objectName() + u':' + QString::number(option->isChecked());
    for (const QLineEdit* field : gui.window().findChildren<QLineEdit*>())
        state << field->objectName() + u':' + field->text();
    state << gui.control<QComboBox>("Combo1")->currentText();
    return state;
}

} // namespace

class TestExportHandler : public WindowTestFixture
{
    Q_OBJECT

private Q_SLOTS:
    void pressingTwiceMakesTwoWorkbooks();
    void emptyTableIsExportedAllTheSame();
    void withoutApplicationThePathIsShown();
    void failingWriteIsReportedAndChangesNothing();
    void namesThatAreNotTextAreSaidToBeInexact();

private:
    void setUp() override
    {
        m_gui->platform.fixedExportFolder = m_tree->path();
        m_gui->platform.fixedNow = QDateTime(QDate(2026, 12, 7), QTime(9, 5, 30));
    }
    void buildTableWithHandEdit();
    QString exportedPath(const QString& name) const { return m_tree->path(name); }
};

void TestExportHandler::buildTableWithHandEdit()
{
    m_gui->files().setPaths({m_tree->path(u"相册/007.jpg"_qs), m_tree->path(u"相册/春节.jpg"_qs)});
    m_gui->click("Command14");
    QCOMPARE(m_gui->usedRows(), 2 + 1);

    // Type a new name into C3 as the user does.
    SheetView* grid = m_gui->control<SheetView>("sp1");
    const QModelIndex c3 = m_gui->table().index(2, 2);
    grid->setCurrentIndex(c3);
    grid->edit(c3);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, u"'0012"_qs);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over once the event loop runs.
    QTRY_COMPARE(m_gui->cell(3, Sheet::C), u"0012"_qs);
}

void TestExportHandler::pressingTwiceMakesTwoWorkbooks()
{
    buildTableWithHandEdit();
    const QStringList before = windowState(*m_gui);

    m_gui->click("Command15");
    m_gui->click("Command15");

    const QStringList expected{exportedPath(u"Renvora改名表_20261207_090530.xlsx"_qs),
                               exportedPath(u"Renvora改名表_20261207_090530_2.xlsx"_qs)};
    QCOMPARE(m_gui->platform.openedFiles, expected);
    QCOMPARE(m_gui->platform.messages.size(), 0);
    QCOMPARE(windowState(*m_gui), before);
    QVERIFY(!m_gui->window().menuBar()->findChild<QAction*>(u"import"_qs)->isEnabled());

    for (const QString& path : expected) {
        const TableImport workbook = importTable(path);
        QVERIFY2(workbook.succeeded(), qPrintable(workbook.error));
        QCOMPARE(describeCell(workbook.table, u"C1"_qs), u"t:新文件名 bold #FF0000"_qs);
        QCOMPARE(describeCell(workbook.table, u"A2"_qs), u"n:1"_qs);
        QCOMPARE(describeCell(workbook.table, u"B2"_qs), u"t:007"_qs);
        QCOMPARE(describeCell(workbook.table, u"B3"_qs), u"t:春节"_qs);
        QCOMPARE(describeCell(workbook.table, u"C3"_qs), u"t:0012"_qs);
    }
}

void TestExportHandler::emptyTableIsExportedAllTheSame()
{
    m_gui->click("Command15");

    const QString path = exportedPath(u"Renvora改名表_20261207_090530.xlsx"_qs);
    QCOMPARE(m_gui->platform.openedFiles, QStringList{path});
    // The workbook holds the header's looks and nothing to import.
    QCOMPARE(importTable(path).error,
             u"工作簿 "_qs + QDir::toNativeSeparators(path) + u" 的第一张工作表中没有任何内容"_qs);
}

void TestExportHandler::withoutApplicationThePathIsShown()
{
    buildTableWithHandEdit();
    m_gui->platform.openSucceeds = false;

    m_gui->click("Command15");

    const QString path = exportedPath(u"Renvora改名表_20261207_090530.xlsx"_qs);
    QCOMPARE(m_gui->platform.messageTexts(), QStringList{u"已导出到："_qs + path});
    QCOMPARE(m_gui->platform.messages.first().icon, PlatformServices::Icon::Information);
    QCOMPARE(m_gui->platform.messages.first().buttons, PlatformServices::Buttons::Ok);
    QVERIFY(QFileInfo(path).isFile());
}

void TestExportHandler::failingWriteIsReportedAndChangesNothing()
{
    buildTableWithHandEdit();
    const QString missing = m_tree->path(u"已删除的文件夹"_qs);
    m_gui->platform.fixedExportFolder = missing;
    const QStringList before = windowState(*m_gui);

    m_gui->click("Command15");

    QCOMPARE(m_gui->platform.messageTexts(), QStringList{u"导出失败：找不到文件夹 "_qs + missing});
    QCOMPARE(m_gui->platform.messages.first().icon, PlatformServices::Icon::Critical);
    QCOMPARE(m_gui->platform.openedFiles, QStringList{});
    QCOMPARE(windowState(*m_gui), before);
    QVERIFY(QDir(m_tree->path()).isEmpty());
}

void TestExportHandler::namesThatAreNotTextAreSaidToBeInexact()
{
    m_gui->files().setPaths({m_tree->path(u"相册/"_qs) + NativeName::fromBytes("a\xE9.jpg")});
    m_gui->click("Command14");

    m_gui->click("Command15");

    const QString path = exportedPath(u"Renvora改名表_20261207_090530.xlsx"_qs);
    QCOMPARE(m_gui->platform.openedFiles, QStringList{path});
    QCOMPARE(
        m_gui->platform.messageTexts(),
        QStringList{u"有2个单元格的文件名含有不是文字的字节，工作簿中写作\\xHH形式，不能用来找到原文件"_qs});
    const TableImport workbook = importTable(path);
    QVERIFY2(workbook.succeeded(), qPrintable(workbook.error));
    QCOMPARE(describeCell(workbook.table, u"B2"_qs), u"t:a\\xE9"_qs);
}

QTEST_MAIN(TestExportHandler)
#include "tst_exporthandler.moc"
