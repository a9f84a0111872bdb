#pragma once

#include <QString>

class ImportedTable;
class OpcPackage;

// Reads the first worksheet of an .xlsx workbook, as Excel, WPS and LibreOffice write it (the
// strict schema's namespaces included): text as text, shared and inline strings alike, numbers
// and dates as numbers, booleans and errors as the spreadsheet shows them, formulas with the
// values last computed, the cells' bold and colour, and the columns' widths, font sizes and
// text format.
class WorkbookReader
{
public:
    // Reads the workbook at path into table, which is finished when this succeeds, and may be
    // empty. On failure errorString() says why, in Chinese, and the table is of no use.
    bool read(const QString& path, ImportedTable& table);
    QString errorString() const { return m_error; }

private:
    bool readParts(const OpcPackage& package, ImportedTable& table);
    bool fail(const QString& reason);

    QString m_shown;
    QString m_error;
};
