#include "gui/workbook/ExportHandler.h"

#include "gui/Form1.h"
#include "gui/PlatformServices.h"
#include "table/SheetModel.h"
#include "workbook/TableExport.h"

#include <QDir>
#include <QPushButton>
#include <QStringList>

ExportHandler::ExportHandler(Form1& form) : m_form(form)
{
    connect(m_form.Command15, &QPushButton::clicked, this, &ExportHandler::run);
}

void ExportHandler::run()
{
    PlatformServices& platform = *m_form.platform;
    platform.setWaitCursor(true);
    const TableExport exported = exportTable(m_form.table->sheet(), platform.exportFolder(), platform.now());
    platform.setWaitCursor(false);

    if (!exported.succeeded()) {
        platform.showMessage(QStringLiteral("导出失败：") + exported.error, Form1::title(),
                             PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
        return;
    }
    // Without an application for workbooks the user still gets the file, by its path.
    QStringList notes;
    if (!platform.openInDefaultApplication(exported.path))
        notes << QStringLiteral("已导出到：") + QDir::toNativeSeparators(exported.path);
    // A workbook holds text only: names it cannot carry exactly are said to be so, never
    // written as another file's name.
    if (exported.rawByteCells > 0)
        notes << QStringLiteral("有%1个单元格的文件名含有不是文字的字节，工作簿中写作\\xHH形式，"
                                "不能用来找到原文件")
                     .arg(exported.rawByteCells);
    if (!notes.isEmpty())
        platform.showMessage(notes.join(u'\n'), Form1::title(), PlatformServices::Buttons::Ok,
                             PlatformServices::Icon::Information);
}
