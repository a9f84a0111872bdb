#pragma once

#include "workbook/ImportedTable.h"

#include <QString>

// A table brought back from a spreadsheet file, or why it could not be.
struct TableImport
{
    ImportedTable table;
    QString error; // why nothing was read, in Chinese, to follow "导入失败："; empty on success

    bool succeeded() const { return error.isEmpty(); }
};

// Reads the table of the file at path: the first worksheet of an .xlsx workbook, the first
// table of an .ods one, or a text table (.csv, .tsv, .txt), told apart by the file's bytes.
// Encrypted workbooks, old .xls files, damaged or hostile files, and files without content are
// refused with a reason.
TableImport importTable(const QString& path);
