#pragma once

#include <QObject>

struct Form1;

// Handlers of 导出Excel (Command15): hands the rename table to a spreadsheet application by
// writing it to a new workbook in the temporary folder and opening that.
class ExportHandler : public QObject
{
    Q_OBJECT

public:
    explicit ExportHandler(Form1& form);

    // The click of Command15. Changes nothing in the window: table, file list and settings
    // stay as they were.
    void run();

private:
    Form1& m_form;
};
