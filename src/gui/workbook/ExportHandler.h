#pragma once

#include <QObject>

class PlatformServices;
class QPushButton;
class Sheet;

// Handlers of 导出Excel (Command15): hands the rename table to a spreadsheet application by
// writing it to a new workbook in the platform's export folder and opening that.
class ExportHandler : public QObject
{
    Q_OBJECT

public:
    ExportHandler(QPushButton* Command15, PlatformServices& platform, const Sheet& sheet);

    // The click of Command15. Changes nothing in the window: table, file list and settings
    // stay as they were.
    void run();

private:
    PlatformServices& m_platform;
    const Sheet& m_sheet;
};
