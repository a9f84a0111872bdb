#pragma once

#include <QDateTime>
#include <QString>

class Sheet;

// Writes a sheet as the only worksheet of a new .xlsx workbook: text stays text (007 and 3e5
// included), numbers stay numbers, cells keep their bold and colour, columns their widths,
// font sizes and text format. A sheet too big for a worksheet, or with a text too long for a
// cell, is refused whole rather than written cut short.
class WorkbookWriter
{
public:
    // createdAt: the time the workbook's properties give as its making.
    WorkbookWriter(const Sheet& sheet, const QDateTime& createdAt);

    // Creates the workbook at path, which must not exist yet: an existing file is never
    // touched. On failure no file is left behind and errorString() says why, in Chinese.
    bool write(const QString& path);
    QString errorString() const { return m_error; }
    // Cells that held names with bytes that are not text, written as \xHH: those names
    // cannot be carried exactly by a workbook.
    qsizetype rawByteCells() const { return m_rawByteCells; }

private:
    bool fitsWorkbook();
    bool reserve(const QString& path);
    bool fail(const QString& reason);

    const Sheet& m_sheet;
    QDateTime m_createdAt;
    QString m_error;
    qsizetype m_rawByteCells = 0;
};
