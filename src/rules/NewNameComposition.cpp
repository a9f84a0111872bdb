#include "rules/NewNameComposition.h"

#include "base/Progress.h"
#include "rules/RuleValues.h"
#include "table/Sheet.h"

namespace {

bool hasExtension(const QString& dotext)
{
    return dotext.size() >= 2 && dotext.front() == u'.';
}

} // namespace

void composeNewNames(Sheet& sheet, const RuleValues& rules, bool derivation, Progress& progress)
{
    const qsizetype rows = sheet.usedRowCount();
    progress.setMaximum(rows);
    if (rows < Sheet::FirstDataRow)
        return;
    Sheet::Batch batch(sheet);

    // Everything but the number and the name source is the same on every row: join it once.
    const QString head = rules.strSepNumber + rules.strPrefix + rules.strSepPrefix;
    const QString tail = rules.strSepSuffix + rules.strSuffix + rules.strSepDate + rules.strDate +
                         rules.strSepVersion + rules.strVersion;
    const QString firstSource = sheet.text(Sheet::FirstDataRow, Sheet::J);
    const QString firstExtension = sheet.text(Sheet::FirstDataRow, Sheet::D);

    for (const qsizetype row : sheet.dataRows()) {
        progress.setValue(row);
        if (derivation)
            sheet.setText(row, Sheet::D, firstExtension);
        else if (!hasExtension(sheet.text(row, Sheet::D)))
            continue;
        const QString number = sheet.text(row, Sheet::K);
        const QString source = derivation ? firstSource : sheet.text(row, Sheet::J);
        QString name;
        name.reserve(number.size() + head.size() + source.size() + tail.size());
        name.append(number).append(head).append(source).append(tail);
        sheet.setText(row, Sheet::C, name);
    }
}
