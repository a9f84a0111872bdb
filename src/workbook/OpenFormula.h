#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Formulas of .ods files, written in OpenFormula (table:formula="of:=[.B2]&&quot;x&quot;"), in
// the program's syntax, which is Excel's: references lose their brackets and sheet dots
// ([.$B$2] is $B$2, [.A1:.B3] is A1:B3), ";" between arguments becomes ",", an array's rows are
// parted by ";" instead of "|", TRUE() and FALSE() become TRUE and FALSE, and the COM.MICROSOFT.
// prefix LibreOffice writes before Excel's newer functions goes.
namespace OpenFormula {
// Nothing for a formula the program has no way to take: a reference to another sheet or file,
// the reference operators "~" and "!", a syntax other than OpenFormula's or Excel's.
std::optional<QString> toProgramSyntax(QStringView formula);
} // namespace OpenFormula
