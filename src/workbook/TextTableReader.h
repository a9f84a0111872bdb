#pragma once

#include <QString>

class ImportedTable;

// Reads a text table (.csv, .tsv, .txt) as spreadsheet applications write it: UTF-8 with or
// without a byte order mark, UTF-16 with one, or GB18030 (what they write on Chinese systems by
// default), told apart by the bytes; comma, semicolon or tab between fields, told from the first
// lines; quoting as RFC 4180 has it. See DelimitedTextParser for what becomes of each field.
class TextTableReader
{
public:
    // Reads the file at path into table, which is finished when this succeeds, and may be
    // empty. On failure errorString() says why, in Chinese, and the table is of no use.
    bool read(const QString& path, ImportedTable& table);
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& reason);

    QString m_error;
};
