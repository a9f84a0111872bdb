#pragma once

#include <QString>

class ImportedTable;
class OpcPackage;

// Reads the first table of an OpenDocument spreadsheet (.ods), as LibreOffice, WPS and Excel
// write it: values by their office:value-type (dates and times as serial numbers), text as the
// cell shows it, formulas in the program's syntax with the values last computed, and the bold,
// colour, widths and text format of the content's own styles.
class OdsReader
{
public:
    // Reads the file at path into table, which is finished when this succeeds, and may be
    // empty. On failure errorString() says why, in Chinese, and the table is of no use.
    bool read(const QString& path, ImportedTable& table);
    QString errorString() const { return m_error; }

private:
    bool readContent(const OpcPackage& package, ImportedTable& table);
    bool fail(const QString& reason);

    QString m_shown;
    QString m_error;
};
