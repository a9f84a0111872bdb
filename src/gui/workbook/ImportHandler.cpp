#include "gui/workbook/ImportHandler.h"

#include "gui/PlatformServices.h"
#include "gui/table/SheetView.h"
#include "table/Sheet.h"
#include "table/SheetModel.h"
#include "workbook/ImportFileNames.h"
#include "workbook/SheetImport.h"
#include "workbook/TableImport.h"

#include <QPushButton>

ImportHandler::ImportHandler(QPushButton* Command16, SheetView* sp1, PlatformServices& platform, Sheet& sheet)
    : m_platform(platform), m_sheet(sheet)
{
    connect(Command16, &QPushButton::clicked, this, &ImportHandler::chooseAndImport);
    connect(sp1, &SheetView::workbookDropped, this, &ImportHandler::importFile);
}

void ImportHandler::chooseAndImport()
{
    const QString path = m_platform.chooseFile(ImportFileNames::dialogPattern());
    if (!path.isEmpty())
        importFile(path);
}

void ImportHandler::importFile(const QString& path)
{
    m_platform.setWaitCursor(true);
    const TableImport imported = importTable(path);
    const QString error = imported.succeeded() ? placeImportedTable(m_sheet, imported.table) : imported.error;
    m_platform.setWaitCursor(false);

    if (!error.isEmpty()) {
        m_platform.showMessage(QStringLiteral("导入失败：") + error, PlatformServices::programTitle(),
                               PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
        return;
    }
    Q_EMIT statusChanged(QStringLiteral("已导入:%1行").arg(m_sheet.dataRowCount()));
    // A formula of another application is not lost in silence: its cell holds the file's value.
    if (const qsizetype leftOut = imported.table.formulasLeftOut(); leftOut > 0) {
        const CellAddress first = imported.table.firstFormulaLeftOut();
        m_platform.showMessage(
            QStringLiteral("有%1个公式本程序不能计算（第一个在 %2%3），这些单元格保留了文件中的值")
                .arg(leftOut)
                .arg(SheetModel::columnName(first.column))
                .arg(first.row),
            PlatformServices::programTitle(), PlatformServices::Buttons::Ok,
            PlatformServices::Icon::Information);
    }
}
