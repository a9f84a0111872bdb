#pragma once

#include <QDateTime>
#include <QString>

class Sheet;

// Where an exported table went, or why it could not be written.
struct TableExport
{
    QString path;               // the workbook written
    QString error;              // why none was written, in Chinese; empty on success
    qsizetype rawByteCells = 0; // names written as \xHH, since a workbook holds only text

    bool succeeded() const { return error.isEmpty(); }
};

// The name of a table exported at the given time: "Renvora改名表_20240506_143012.xlsx" for the
// first copy, with "_2", "_3", ... for later ones of the same second.
QString exportFileName(const QDateTime& madeAt, int copy);

// Writes the sheet to a new workbook in folder, named after the table and the time it is made
// at. Every call makes a new file; no existing file is replaced.
TableExport exportTable(const Sheet& sheet, const QString& folder, const QDateTime& madeAt);
