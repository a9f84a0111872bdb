#include "workbook/OpenFormula.h"

namespace OpenFormula {
namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$';
}

// Where the text quoted from at (a quote of its own kind) ends, just past the closing quote;
// a doubled quote stands for itself.
qsizetype pastQuoted(QStringView text, qsizetype at)
{
    const QChar quote = text[at];
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] != quote)
            continue;
        if (i + 1 < text.size() && text[i + 1] == quote)
            ++i;
        else
            return i + 1;
    }
    return -1;
}

// One end of a reference: ".B2", ".$B$2", or "Sheet2.B2", which names another sheet.
std::optional<QString> cellOf(QStringView end)
{
    qsizetype dot = -1;
    for (qsizetype i = 0; i < end.size(); ++i) {
        if (end[i] == u'\'') {
            i = pastQuoted(end, i);
            if (i < 0)
                return std::nullopt;
            --i;
        } else if (end[i] == u'.') {
            dot = i;
        }
    }
    if (dot > 0)
        return std::nullopt;
    const QStringView cell = end.sliced(dot + 1);
    if (cell.isEmpty())
        return std::nullopt;
    for (QChar c : cell)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'$')
            return std::nullopt;
    return cell.toString();
}

// The inside of [...]: one cell or a range of this sheet.
std::optional<QString> reference(QStringView inside)
{
    if (inside.contains(u"#REF!"))
        return QStringLiteral("#REF!");
    if (inside.startsWith(u'\'') || inside.contains(u'#'))
        return std::nullopt;
    const qsizetype colon = inside.indexOf(u':');
    const std::optional<QString> first = cellOf(colon < 0 ? inside : inside.first(colon));
    if (!first || colon < 0)
        return first;
    const std::optional<QString> last = cellOf(inside.sliced(colon + 1));
    if (!last)
        return std::nullopt;
    return *first + u':' + *last;
}

std::optional<QString> convert(QStringView body)
{
    QString converted;
    converted.reserve(body.size());
    int arrayDepth = 0;
    for (qsizetype i = 0; i < body.size();) {
        const QChar c = body[i];
        if (c == u'"') {
            const qsizetype end = pastQuoted(body, i);
            if (end < 0)
                return std::nullopt;
            converted += body.sliced(i, end - i);
            i = end;
        } else if (c == u'[') {
            qsizetype end = i + 1;
            while (end >= 0 && end < body.size() && body[end] != u']')
                end = body[end] == u'\'' ? pastQuoted(body, end) : end + 1;
            if (end < 0 || end >= body.size())
                return std::nullopt;
            const std::optional<QString> cells = reference(body.sliced(i + 1, end - i - 1));
            if (!cells)
                return std::nullopt;
            converted += *cells;
            i = end + 1;
        } else if (c.isLetter() || c == u'_') {
            qsizetype end = i;
            while (end < body.size() && isNameCharacter(body[end]))
                ++end;
            QStringView name = body.sliced(i, end - i);
            const bool call = end < body.size() && body[end] == u'(';
            if (call && name.startsWith(u"COM.MICROSOFT.", Qt::CaseInsensitive))
                name = name.sliced(14);
            const bool constant = name.compare(u"TRUE", Qt::CaseInsensitive) == 0 ||
                                  name.compare(u"FALSE", Qt::CaseInsensitive) == 0;
            converted += name;
            i = end;
            if (call && constant && body.sliced(end).startsWith(u"()"))
                i += 2;
        } else if (c == u';') {
            converted += u',';
            ++i;
        } else if (c == u'|' || c == u'~' || c == u'!') {
            if (c != u'|' || arrayDepth == 0)
                return std::nullopt;
            converted += u';';
            ++i;
        } else {
            arrayDepth += c == u'{' ? 1 : c == u'}' ? -1 : 0;
            converted += c;
            ++i;
        }
    }
    return converted;
}

} // namespace

std::optional<QString> toProgramSyntax(QStringView formula)
{
    // Excel's own syntax, as Excel itself writes into .ods files.
    if (formula.startsWith(u"msoxl:="))
        return formula.sliced(6).toString();
    for (QStringView prefix : {u"of:", u"oooc:"})
        if (formula.startsWith(prefix))
            formula = formula.sliced(prefix.size());
    if (!formula.startsWith(u'=') || formula.size() < 2)
        return std::nullopt;
    return convert(formula);
}

} // namespace OpenFormula
