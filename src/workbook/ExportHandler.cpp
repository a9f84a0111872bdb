#include "workbook/ExportHandler.h"

#include "app/Form1.h"
#include "app/PlatformServices.h"
#include "table/SheetModel.h"
#include "workbook/TableExport.h"

#include <QDir>
#include <QPushButton>

namespace {
QString fixedOutputFolder;
}

ExportHandler::ExportHandler(Form1& form) : m_form(form)
{
    connect(m_form.Command15, &QPushButton::clicked, this, &ExportHandler::run);
}

void ExportHandler::run()
{
    PlatformServices& platform = *m_form.platform;
    platform.setWaitCursor(true);
    const TableExport exported = exportTable(m_form.table->sheet(), outputFolder());
    platform.setWaitCursor(false);

    if (!exported.succeeded()) {
        platform.showMessage(QStringLiteral("导出失败：") + exported.error, Form1::title(),
                             PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
        return;
    }
    // Without an application for workbooks the user still gets the file, by its path.
    if (!platform.openInDefaultApplication(exported.path))
        platform.showMessage(QStringLiteral("已导出到：") + QDir::toNativeSeparators(exported.path),
                             Form1::title(), PlatformServices::Buttons::Ok,
                             PlatformServices::Icon::Information);
}

QString ExportHandler::outputFolder()
{
    return fixedOutputFolder.isEmpty() ? QDir::tempPath() : fixedOutputFolder;
}

void ExportHandler::setOutputFolderForTesting(const QString& folder)
{
    fixedOutputFolder = folder;
}
