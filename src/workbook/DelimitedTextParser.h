#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

class ImportedTable;

// Parts a text table into cells as RFC 4180 does: fields between separators, a quoted field
// holding separators, line breaks and doubled quotes, records ending at CRLF, LF or CR, the last
// one with or without. Text stays as written ("007" stays 007, "=A1" stays that text); only the
// first column's plain whole numbers ("12", not "012" or "1.0") become numbers, since that column
// holds the table's sequence numbers, which its workbook export writes as numbers.
class DelimitedTextParser
{
public:
    DelimitedTextParser(QChar separator, const QString& shown, ImportedTable& table);

    // Parses the next piece of the text; false with error() once the table cannot be taken.
    bool feed(QStringView text);
    // Ends the last record. The table is finished when this succeeds.
    bool finish();
    QString error() const { return m_error; }

private:
    enum class State
    {
        FieldStart,
        Unquoted,
        Quoted,
        QuoteInQuoted, // a quote inside a quoted field: its end, or the first of two
    };

    bool append(QChar c);
    bool endField();
    void endRecord();
    bool fail(const QString& reason);

    QChar m_separator;
    QString m_shown;
    ImportedTable& m_table;
    State m_state = State::FieldStart;
    bool m_skipLineFeed = false; // after a CR, whose LF belongs to the same line break
    QString m_field;
    qint64 m_row = 1;
    qint64 m_column = 1;
    QString m_error;
};
