#include "workbook/DelimitedTextParser.h"

#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedTable.h"
#include "workbook/WorkbookLimits.h"

namespace {

// The sequence numbers a table build writes: digits without a leading zero, as many as a
// number holds exactly.
bool isSequenceNumber(QStringView field)
{
    if (field.size() > 15 || (field.size() > 1 && field.front() == u'0'))
        return false;
    for (QChar c : field)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

DelimitedTextParser::DelimitedTextParser(QChar separator, const QString& shown, ImportedTable& table)
    : m_separator(separator), m_shown(shown), m_table(table)
{
}

bool DelimitedTextParser::feed(QStringView text)
{
    for (const QChar c : text) {
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (c == u'\n')
                continue;
        }
        const bool lineBreak = c == u'\n' || c == u'\r';
        switch (m_state) {
        case State::Quoted:
            if (c == u'"')
                m_state = State::QuoteInQuoted;
            else if (!append(c))
                return false;
            continue;
        case State::QuoteInQuoted:
            if (c == u'"') {
                m_state = State::Quoted;
                if (!append(c))
                    return false;
                continue;
            }
            break;
        case State::FieldStart:
            if (c == u'"') {
                m_state = State::Quoted;
                continue;
            }
            break;
        case State::Unquoted:
            break;
        }
        // Outside quotes: a separator, a line break, or the field's text (after a closing quote
        // too, as spreadsheets read "ab"c as abc).
        if (c == m_separator || lineBreak) {
            if (!endField())
                return false;
            if (lineBreak) {
                endRecord();
                m_skipLineFeed = c == u'\r';
            }
        } else {
            m_state = State::Unquoted;
            if (!append(c))
                return false;
        }
    }
    return true;
}

bool DelimitedTextParser::finish()
{
    // A quote left open takes the rest of the file, as spreadsheets read it.
    if ((m_state != State::FieldStart || !m_field.isEmpty()) && !endField())
        return false;
    m_table.finish();
    return true;
}

bool DelimitedTextParser::append(QChar c)
{
    if (c.isNull())
        return fail(ImportReasons::notTextTable(m_shown));
    if (m_field.size() >= WorkbookLimits::MaxCellText)
        return fail(ImportReasons::textTooLong(m_shown, ImportReasons::rowAndColumn(m_row, m_column)));
    m_field += c;
    return true;
}

bool DelimitedTextParser::endField()
{
    m_state = State::FieldStart;
    if (!m_field.isEmpty()) {
        if (m_row > WorkbookLimits::MaxRows || m_column > WorkbookLimits::MaxColumns)
            return fail(ImportReasons::offGrid(m_shown, ImportReasons::rowAndColumn(m_row, m_column)));
        if (m_table.size() >= ImportLimits::MaxCells)
            return fail(ImportReasons::tooManyCells(m_shown));
        ImportedCell cell;
        cell.row = m_row;
        cell.column = int(m_column);
        // The cell gets a copy of its own size; the field keeps its room for the next.
        cell.value = m_column == 1 && isSequenceNumber(m_field)
                         ? ImportedValue::ofNumber(m_field.toDouble())
                         : ImportedValue::ofText(QString(m_field.constData(), m_field.size()));
        m_table.append(std::move(cell));
        m_field.resize(0);
    }
    ++m_column;
    return true;
}

void DelimitedTextParser::endRecord()
{
    ++m_row;
    m_column = 1;
}

bool DelimitedTextParser::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
