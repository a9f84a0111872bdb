#include "gui/workbook/ExportHandler.h"

#include "gui/PlatformServices.h"
#include "workbook/TableExport.h"

#include <QDir>
#include <QPushButton>
#include <QStringList>

ExportHandler::ExportHandler(QPushButton* Command15, PlatformServices& platform, const Sheet& sheet)
    : m_platform(platform), m_sheet(sheet)
{
    connect(Command15, &QPushButton::clicked, this, &ExportHandler::run);
}

void ExportHandler::run()
{
    m_platform.setWaitCursor(true);
    const TableExport exported = exportTable(m_sheet, m_platform.exportFolder(), m_platform.now());
    m_platform.setWaitCursor(false);

    if (!exported.succeeded()) {
        m_platform.showMessage(QStringLiteral("导出失败：") + exported.error,
                               PlatformServices::programTitle(), PlatformServices::Buttons::Ok,
                               PlatformServices::Icon::Critical);
        return;
    }
    // Without an application for workbooks the user still gets the file, by its path.
    QStringList notes;
    if (!m_platform.openInDefaultApplication(exported.path))
        notes << QStringLiteral("已导出到：") + QDir::toNativeSeparators(exported.path);
    // A workbook holds text only: names it cannot carry exactly are said to be so, never
    // written as another file's name.
    if (exported.rawByteCells > 0)
        notes << QStringLiteral("有%1个单元格的文件名含有不是文字的字节，工作簿中写作\\xHH形式，"
                                "不能用来找到原文件")
                     .arg(exported.rawByteCells);
    if (!notes.isEmpty())
        m_platform.showMessage(notes.join(u'\n'), PlatformServices::programTitle(),
                               PlatformServices::Buttons::Ok, PlatformServices::Icon::Information);
}
