#include "formula/CellReference.h"

#include "workbook/WorkbookLimits.h"

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<CellReference> CellReference::fromText(QStringView text, CellAddress host)
{
    qsizetype i = 0;
    CellReference reference;
    reference.columnAbsolute = i < text.size() && text[i] == u'$';
    if (reference.columnAbsolute)
        ++i;
    qint64 column = 0;
    const qsizetype lettersStart = i;
    for (; i < text.size() && isAsciiLetter(text[i]) && i - lettersStart < 4; ++i)
        column = column * 26 + (text[i].toUpper().unicode() - u'A' + 1);
    if (i == lettersStart || i - lettersStart > 3)
        return std::nullopt;
    reference.rowAbsolute = i < text.size() && text[i] == u'$';
    if (reference.rowAbsolute)
        ++i;
    qint64 row = 0;
    const qsizetype digitsStart = i;
    for (; i < text.size() && isDigit(text[i]) && row <= WorkbookLimits::MaxRows; ++i)
        row = row * 10 + (text[i].unicode() - u'0');
    if (i != text.size() || i == digitsStart || row < 1 || row > WorkbookLimits::MaxRows ||
        column > WorkbookLimits::MaxColumns)
        return std::nullopt;
    reference.row = reference.rowAbsolute ? row : row - host.row;
    reference.column = int(reference.columnAbsolute ? column : column - host.column);
    return reference;
}

std::optional<CellAddress> CellReference::at(CellAddress host) const
{
    const CellAddress cell{rowAt(host.row), columnAt(host.column)};
    if (cell.row < 1 || cell.row > WorkbookLimits::MaxRows || cell.column < 1 ||
        cell.column > WorkbookLimits::MaxColumns)
        return std::nullopt;
    return cell;
}

QString CellReference::text(CellAddress host) const
{
    const std::optional<CellAddress> cell = at(host);
    if (!cell)
        return QStringLiteral("#REF!");
    QString text;
    if (columnAbsolute)
        text += u'$';
    text += columnLetters(cell->column);
    if (rowAbsolute)
        text += u'$';
    text += QString::number(cell->row);
    return text;
}

QString columnLetters(int column)
{
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar(u'A' + (column - 1) % 26));
    return letters;
}
