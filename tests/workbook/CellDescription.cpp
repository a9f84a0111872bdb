#include "CellDescription.h"

#include "workbook/CellName.h"
#include "workbook/ImportedTable.h"

#include <QLocale>

QString describeCell(const ImportedTable& table, const QString& cellName)
{
    CellAddress at;
    if (CellName::read(cellName, at) != CellName::Reading::Read)
        return QStringLiteral("bad cell name");
    const std::optional<ImportedCell> cell = table.cell(at.row, at.column);
    if (!cell)
        return {};
    QString described;
    switch (cell->value.kind) {
    case ImportedValue::Kind::Empty:
        described = QStringLiteral("-");
        break;
    case ImportedValue::Kind::Number:
        described =
            QStringLiteral("n:") + QString::number(cell->value.number, 'g', QLocale::FloatingPointShortest);
        break;
    case ImportedValue::Kind::Text:
        described = QStringLiteral("t:") + cell->value.text;
        break;
    case ImportedValue::Kind::Boolean:
        described = QStringLiteral("b:") + cell->value.text;
        break;
    case ImportedValue::Kind::Error:
        described = QStringLiteral("e:") + cell->value.text;
        break;
    }
    if (!cell->formula.isEmpty())
        described += u' ' + cell->formula;
    if (cell->bold)
        described += QStringLiteral(" bold");
    if (cell->color)
        described +=
            QStringLiteral(" #") + QStringLiteral("%1").arg(*cell->color, 6, 16, QChar(u'0')).toUpper();
    return described;
}
