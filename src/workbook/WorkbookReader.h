#pragma once

#include <QString>

class Sheet;

// Reads the first worksheet of an .xlsx workbook into a sheet: text as text (shared and inline
// strings alike), numbers as numbers, booleans and errors as the text a spreadsheet shows,
// the cells' bold and colour, and the columns' widths, font sizes and text format.
class WorkbookReader
{
public:
    // Fills the sheet from the workbook at path; clears nothing first. On failure the sheet
    // stays as it was and errorString() says why, in Chinese.
    bool read(const QString& path, Sheet& sheet);
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& reason);

    QString m_error;
};
