#include "workbook/ExportHandler.h"

#include "app/Form1.h"

ExportHandler::ExportHandler(Form1& form) : m_form(form) {}
