#include "workbook/ImportedFormula.h"

#include "formula/Formula.h"

#include <array>

namespace ImportedFormula {

QString fromExcel(QStringView text)
{
    static constexpr std::array<QStringView, 3> Prefixes{u"_xlfn.", u"_xlws.", u"_xlpm."};
    QString formula;
    formula.reserve(text.size() + 1);
    formula += u'=';
    bool quoted = false;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'"')
            quoted = !quoted;
        if (!quoted && text[i] == u'_') {
            bool skipped = false;
            for (QStringView prefix : Prefixes) {
                if (text.sliced(i).startsWith(prefix, Qt::CaseInsensitive)) {
                    i += prefix.size();
                    skipped = true;
                    break;
                }
            }
            if (skipped)
                continue;
        }
        formula += text[i++];
    }
    return formula;
}

bool isTaken(const QString& formula, CellAddress host)
{
    return Formula::parse(formula, host).formula != nullptr;
}

} // namespace ImportedFormula
