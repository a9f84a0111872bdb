#pragma once

#include <QObject>

struct Form1;

// Handlers of 导出Excel (Command15): hands the rename table to a spreadsheet application.
class ExportHandler : public QObject
{
    Q_OBJECT

public:
    explicit ExportHandler(Form1& form);

private:
    Form1& m_form;
};
