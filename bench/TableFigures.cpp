#include "Figures.h"

#include "base/Progress.h"
#include "rules/NewNameComposition.h"
#include "rules/Numbering.h"
#include "rules/RuleValues.h"
#include "rules/TableBuild.h"
#include "table/Sheet.h"

void measureTableFigures(const BenchContext& context, QList<Figure>& figures)
{
    const QStringList& files = context.tree.files;
    NoProgress progress;

    Figure build;
    build.name = QStringLiteral("table build");
    build.size = files.size();
    std::unique_ptr<Sheet> sheet;
    build.measured = measure(
        context.runs, [&] { buildTable(*sheet, files, {}, progress); },
        [&] { sheet = std::make_unique<Sheet>(); });
    build.target = QStringLiteral("<150ms");
    build.limit = timeLimitFor(150, files.size());
    figures << build;

    // Numbering, separator, text before the name and the date, as a user switches them on.
    RuleValues rules;
    rules.strSeparator = QStringLiteral("-");
    rules.strPrefix = QStringLiteral("A");
    rules.strDate = QStringLiteral("2026-12-7");
    rules.setJoints({.numbering = true, .prefix = true, .date = true});
    writeNumbering(*sheet, true, QString());
    Figure compose;
    compose.name = QStringLiteral("composition (number, separator, before, date)");
    compose.size = files.size();
    compose.measured = measure(context.runs, [&] { composeNewNames(*sheet, rules, false, progress); });
    compose.target = QStringLiteral("<100ms");
    compose.limit = timeLimitFor(100, files.size());
    figures << compose;
}
