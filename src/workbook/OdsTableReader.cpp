#include "workbook/OdsTableReader.h"

#include "workbook/CellName.h"
#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedFormula.h"
#include "workbook/ImportedTable.h"
#include "workbook/IsoDate.h"
#include "workbook/OdsNames.h"
#include "workbook/OdsStyles.h"
#include "workbook/OdsText.h"
#include "workbook/OpenFormula.h"
#include "workbook/WorkbookLimits.h"

#include <QXmlStreamReader>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Far beyond any grid, and small enough that sums of counts never overflow.
constexpr qint64 MaxRepeat = qint64(1) << 40;

qint64 repeatCount(const QXmlStreamAttributes& attributes, QLatin1String name)
{
    bool ok = false;
    const qint64 count = attributes.value(OdsNames::Table, name).toLongLong(&ok);
    return ok && count >= 1 ? std::min(count, MaxRepeat) : 1;
}

bool isTableElement(const QXmlStreamReader& xml, QStringView name)
{
    return xml.name() == name && xml.namespaceUri() == OdsNames::Table;
}

// Elements that only group rows or columns.
bool isGroup(const QXmlStreamReader& xml)
{
    if (xml.namespaceUri() != OdsNames::Table)
        return false;
    const QStringView name = xml.name();
    return name == u"table-row-group" || name == u"table-header-rows" || name == u"table-rows" ||
           name == u"table-column-group" || name == u"table-header-columns" || name == u"table-columns";
}

} // namespace

OdsTableReader::OdsTableReader(const OdsStyles& styles, const QString& shown, ImportedTable& table)
    : m_styles(styles), m_shown(shown), m_table(table)
{
}

bool OdsTableReader::read(QXmlStreamReader& xml)
{
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::StartElement) {
            if (isTableElement(xml, u"table-row")) {
                if (!readRow(xml))
                    return false;
            } else if (isTableElement(xml, u"table-column")) {
                readColumn(xml);
            } else if (isGroup(xml)) {
                ++depth;
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    m_table.finish();
    m_table.setColumns(m_columns);
    return true;
}

bool OdsTableReader::readRow(QXmlStreamReader& xml)
{
    const qint64 repeat = repeatCount(xml.attributes(), "number-rows-repeated"_L1);
    m_rowCells.clear();
    qint64 column = 1;
    while (xml.readNextStartElement()) {
        const bool covered = isTableElement(xml, u"covered-table-cell");
        if (!covered && !isTableElement(xml, u"table-cell")) {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 columns = repeatCount(xml.attributes(), "number-columns-repeated"_L1);
        // A merged cell's value is its first cell's; what the cells it covers hold is not seen.
        ImportedCell cell;
        if (covered)
            xml.skipCurrentElement();
        else if (!readCell(xml, cell, column))
            return false;
        if (!cell.value.isEmpty() || !cell.formula.isEmpty()) {
            if (!placeCells(column, columns, cell))
                return false;
        }
        column += columns;
    }
    if (m_rowCells.empty()) {
        m_row += repeat;
        return true;
    }
    if (m_row + repeat - 1 > WorkbookLimits::MaxRows)
        return fail(ImportReasons::offGrid(
            m_shown, ImportReasons::rowAndColumn(std::max(m_row, WorkbookLimits::MaxRows + 1),
                                                 m_rowCells.front().column)));
    if (qint64(m_rowCells.size()) * repeat > ImportLimits::MaxCells - m_table.size())
        return fail(ImportReasons::tooManyCells(m_shown));
    for (qint64 r = 0; r < repeat; ++r) {
        for (const ImportedCell& cell : m_rowCells) {
            ImportedCell placed = cell;
            placed.row = m_row + r;
            m_table.append(std::move(placed));
        }
    }
    m_row += repeat;
    return true;
}

bool OdsTableReader::placeCells(qint64 firstColumn, qint64 repeat, const ImportedCell& cell)
{
    if (m_row > WorkbookLimits::MaxRows)
        return fail(ImportReasons::offGrid(m_shown, ImportReasons::rowAndColumn(m_row, firstColumn)));
    if (firstColumn + repeat - 1 > WorkbookLimits::MaxColumns) {
        const qint64 past = std::max<qint64>(firstColumn, WorkbookLimits::MaxColumns + 1);
        return fail(ImportReasons::offGrid(m_shown, ImportReasons::rowAndColumn(m_row, past)));
    }
    if (qint64(m_rowCells.size()) + repeat > ImportLimits::MaxCells - m_table.size())
        return fail(ImportReasons::tooManyCells(m_shown));
    for (qint64 c = 0; c < repeat; ++c) {
        m_rowCells.push_back(cell);
        m_rowCells.back().column = int(firstColumn + c);
    }
    return true;
}

bool OdsTableReader::readCell(QXmlStreamReader& xml, ImportedCell& cell, qint64 column)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const OdsStyles::CellLook look =
        m_styles.cellLook(attributes.value(OdsNames::Table, "style-name"_L1).toString());
    cell.bold = look.bold;
    cell.color = look.color;
    if (!readValue(xml, cell, column))
        return false;
    const QStringView formula = attributes.value(OdsNames::Table, "formula"_L1);
    if (formula.isEmpty())
        return true;
    // Repeated cells hold the same text, and so refer to the same cells: the first place checks.
    const CellAddress host{std::min(m_row, WorkbookLimits::MaxRows),
                           int(std::min<qint64>(column, WorkbookLimits::MaxColumns))};
    const std::optional<QString> converted = OpenFormula::toProgramSyntax(formula);
    if (converted && ImportedFormula::isTaken(*converted, host))
        cell.formula = *converted;
    else
        m_table.noteFormulaLeftOut(host);
    return true;
}

bool OdsTableReader::readValue(QXmlStreamReader& xml, ImportedCell& cell, qint64 column)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView type = attributes.value(OdsNames::Office, "value-type"_L1);
    // LibreOffice marks a formula's error apart; the text is the error as it shows it.
    const bool error = attributes.value(OdsNames::CalcExt, "value-type"_L1) == u"error";
    const bool stringAttribute = attributes.hasAttribute(OdsNames::Office, "string-value"_L1);
    const bool wantsText = error || type.isEmpty() || (type == u"string" && !stringAttribute);
    QString text;
    int paragraphs = 0;
    while (xml.readNextStartElement()) {
        if (wantsText && xml.name() == u"p" && xml.namespaceUri() == OdsNames::Text) {
            if (paragraphs++ > 0)
                text += u'\n';
            OdsText::readParagraph(xml, text, WorkbookLimits::MaxCellText);
        } else {
            xml.skipCurrentElement();
        }
    }
    const auto where = [&] {
        if (m_row > WorkbookLimits::MaxRows || column > WorkbookLimits::MaxColumns)
            return ImportReasons::rowAndColumn(m_row, column);
        return QStringLiteral("单元格 ") + CellName::text({m_row, int(column)});
    };
    if (text.size() > WorkbookLimits::MaxCellText)
        return fail(ImportReasons::textTooLong(m_shown, where()));
    if (error) {
        cell.value = ImportedValue::ofError(text);
        return true;
    }
    if (type.isEmpty() || type == u"string") {
        cell.value = ImportedValue::ofText(
            stringAttribute ? attributes.value(OdsNames::Office, "string-value"_L1).toString() : text);
        return true;
    }
    if (type == u"boolean") {
        const QStringView flag = attributes.value(OdsNames::Office, "boolean-value"_L1);
        if (flag != u"true" && flag != u"false")
            return damaged(QStringLiteral("%1 的逻辑值“%2”无法识别").arg(where(), flag));
        cell.value = ImportedValue::ofBoolean(flag == u"true");
        return true;
    }
    std::optional<double> number;
    QStringView written;
    if (type == u"date") {
        written = attributes.value(OdsNames::Office, "date-value"_L1);
        number = IsoDate::serial(written);
    } else if (type == u"time") {
        written = attributes.value(OdsNames::Office, "time-value"_L1);
        number = IsoDate::days(written);
    } else {
        // float, percentage and currency alike hold the number itself.
        written = attributes.value(OdsNames::Office, "value"_L1);
        bool ok = false;
        const double value = written.toDouble(&ok);
        if (ok && std::isfinite(value))
            number = value;
    }
    if (!number)
        return damaged(QStringLiteral("%1 的数值“%2”无法识别").arg(where(), written));
    cell.value = ImportedValue::ofNumber(*number);
    return true;
}

void OdsTableReader::readColumn(QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const qint64 repeat = repeatCount(attributes, "number-columns-repeated"_L1);
    if (m_nextColumn <= WorkbookLimits::MaxColumns) {
        ColumnSpan span{int(m_nextColumn),
                        int(std::min(m_nextColumn + repeat - 1, qint64(WorkbookLimits::MaxColumns))),
                        {}};
        span.format.width =
            m_styles.columnWidth(attributes.value(OdsNames::Table, "style-name"_L1).toString());
        span.format.text =
            m_styles.cellLook(attributes.value(OdsNames::Table, "default-cell-style-name"_L1).toString())
                .text;
        m_columns.push_back(span);
    }
    m_nextColumn += repeat;
    xml.skipCurrentElement();
}

bool OdsTableReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool OdsTableReader::damaged(const QString& detail)
{
    return fail(ImportReasons::damaged(m_shown, detail));
}
