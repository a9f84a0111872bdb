#include "workbook/WorksheetReader.h"

#include "workbook/CellName.h"
#include "workbook/ColumnWidth.h"
#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedFormula.h"
#include "workbook/ImportedTable.h"
#include "workbook/IsoDate.h"
#include "workbook/OpcPackage.h"
#include "workbook/PartXml.h"
#include "workbook/SharedStrings.h"
#include "workbook/StringItem.h"
#include "workbook/WorkbookLimits.h"
#include "workbook/WorkbookStyles.h"
#include "workbook/XmlScanner.h"
#include "workbook/ZipPartDevice.h"

#include <cmath>

namespace {

struct CellFormula
{
    QString text;
    QString kind; // "shared", "array", "dataTable", or empty for a plain one
    std::optional<int> sharedIndex;
};

} // namespace

WorksheetReader::WorksheetReader(const SharedStrings& strings, const WorkbookStyles& styles,
                                 const QString& shown, ImportedTable& table)
    : m_strings(strings), m_styles(styles), m_shown(shown), m_table(table)
{
}

QString WorksheetReader::read(const OpcPackage& package, const QString& partName)
{
    PartStatus status;
    const std::unique_ptr<ZipPartDevice> device =
        package.stream(partName, ImportLimits::MaxUnpackedBytes, status);
    if (!device)
        return ImportReasons::part(m_shown, partName, status);
    using Token = XmlScanner::Token;
    XmlScanner xml(*device);
    Token token;
    bool ok = true;
    while (ok && (token = xml.next()) != Token::End && token != Token::Malformed && token != Token::Unsafe) {
        if (token != Token::StartElement)
            continue;
        const QByteArrayView name = xml.name();
        if (name == "c") {
            ok = readCell(xml);
        } else if (name == "row") {
            // A row without a number follows the one before.
            bool numbered = false;
            const qint64 row = xml.attribute("r").toLongLong(&numbered);
            m_at = {numbered && row >= 1 ? row : m_at.row + 1, 0};
        } else if (name == "col") {
            readColumns(xml);
        } else if (name == "mergeCell") {
            ok = readMerge(xml);
        }
    }
    // A part cut short or damaged explains what its cells seemed to say.
    if (!ok && device->status() == PartStatus::Read && !m_error.isEmpty())
        return m_error;
    status = PartXml::outcome(ok ? token : Token::Malformed, *device);
    if (status != PartStatus::Read)
        return ImportReasons::part(m_shown, partName, status);

    m_sharedFormulas.expand(m_table);
    m_table.finish();
    m_merges.clearCovered(m_table);
    finishColumns();
    return {};
}

bool WorksheetReader::readCell(XmlScanner& xml)
{
    using Token = XmlScanner::Token;
    const QByteArrayView name = xml.attribute("r");
    CellAddress cell{std::max<qsizetype>(m_at.row, 1), m_at.column + 1};
    if (!name.isEmpty()) {
        const CellName::Reading reading = CellName::read(name, cell);
        if (reading == CellName::Reading::Invalid)
            return damaged(QStringLiteral("单元格名称“%1”有误").arg(QString::fromUtf8(name)));
        if (reading == CellName::Reading::OffGrid)
            return fail(ImportReasons::offGrid(m_shown, QStringLiteral("单元格 ") + QString::fromUtf8(name)));
    } else if (cell.row > WorkbookLimits::MaxRows || cell.column > WorkbookLimits::MaxColumns) {
        return fail(ImportReasons::offGrid(m_shown, ImportReasons::rowAndColumn(cell.row, cell.column)));
    }
    m_at = cell;
    // The cell's attributes last only until the scanner moves on.
    const CellType type = cellType(xml.attribute("t"));
    const int style = xml.attribute("s").toInt();

    m_raw.resize(0);
    QString inlineText;
    CellFormula formula;
    const int depth = xml.depth();
    for (;;) {
        const Token token = xml.next();
        if (token == Token::EndElement && xml.depth() < depth)
            break;
        if (token == Token::Text || token == Token::EndElement)
            continue;
        if (token != Token::StartElement)
            return notWellFormed();
        const QByteArrayView element = xml.name();
        bool read = true;
        if (element == "v") {
            read = xml.readElementText(m_raw);
        } else if (element == "is") {
            read = StringItem::read(xml, inlineText);
        } else if (element == "f") {
            formula.kind = QString::fromLatin1(xml.attribute("t"));
            bool indexed = false;
            const int index = xml.attribute("si").toInt(&indexed);
            if (indexed)
                formula.sharedIndex = index;
            read = xml.readElementText(formula.text);
        } else {
            read = xml.skipElement();
        }
        if (!read)
            return notWellFormed();
    }

    ImportedCell imported;
    imported.row = cell.row;
    imported.column = cell.column;
    if (!cellValue(type, m_raw, inlineText, imported.value))
        return false;
    const WorkbookStyles::Look look = m_styles.look(style);
    imported.bold = look.bold;
    imported.color = look.color;

    const bool shared = formula.kind == u"shared" && formula.sharedIndex;
    const bool dependent = shared && formula.text.isEmpty();
    if (!formula.text.isEmpty() && formula.kind != u"dataTable") {
        imported.formula = ImportedFormula::fromExcel(formula.text);
        if (shared)
            m_sharedFormulas.addMaster(*formula.sharedIndex, imported.formula, cell);
        if (!ImportedFormula::isTaken(imported.formula, cell)) {
            m_table.noteFormulaLeftOut(cell);
            imported.formula.clear();
        }
    }
    if (imported.value.isEmpty() && imported.formula.isEmpty() && !dependent && !imported.bold &&
        !imported.color)
        return true;
    if (m_table.size() >= ImportLimits::MaxCells)
        return fail(ImportReasons::tooManyCells(m_shown));
    if (dependent)
        m_sharedFormulas.addDependent(*formula.sharedIndex, m_table.size(), cell);
    m_table.append(std::move(imported));
    return true;
}

// The kinds of cell the "t" attribute names; a number has none.
WorksheetReader::CellType WorksheetReader::cellType(QByteArrayView type)
{
    static constexpr std::pair<const char*, CellType> Types[] = {
        {"s", CellType::SharedString},    {"inlineStr", CellType::InlineString},
        {"str", CellType::FormulaString}, {"b", CellType::Boolean},
        {"e", CellType::Error},           {"d", CellType::Date}};
    for (const auto& [name, kind] : Types)
        if (type == name)
            return kind;
    return CellType::Number;
}

bool WorksheetReader::cellValue(CellType type, const QString& raw, QString& inlineText, ImportedValue& value)
{
    const auto cellName = [this] { return CellName::text(m_at); };
    auto text = [&](QString text) {
        if (text.size() > WorkbookLimits::MaxCellText)
            return fail(ImportReasons::textTooLong(m_shown, QStringLiteral("单元格 ") + cellName()));
        value = ImportedValue::ofText(std::move(text));
        return true;
    };
    if (type == CellType::InlineString)
        return text(inlineText.isEmpty() ? StringItem::decodeEscapes(raw) : std::move(inlineText));
    if (type == CellType::FormulaString)
        return text(StringItem::decodeEscapes(raw));
    const QStringView trimmed = QStringView(raw).trimmed();
    if (trimmed.isEmpty())
        return true;
    if (type == CellType::SharedString) {
        if (m_strings.isMissing())
            return damaged(QStringLiteral("缺少共享文字部分，单元格 %1 的文字无法读取").arg(cellName()));
        bool ok = false;
        const qint64 index = trimmed.toLongLong(&ok);
        if (!ok || index < 0 || index >= m_strings.size())
            return damaged(
                QStringLiteral("单元格 %1 引用的共享文字（编号 %2）不存在").arg(cellName(), trimmed));
        value = ImportedValue::ofText(m_strings.at(index));
        return true;
    }
    if (type == CellType::Boolean) {
        // Excel writes 1 and 0; some other writers true and false.
        if (trimmed == u"1" || trimmed.compare(u"true", Qt::CaseInsensitive) == 0)
            value = ImportedValue::ofBoolean(true);
        else if (trimmed == u"0" || trimmed.compare(u"false", Qt::CaseInsensitive) == 0)
            value = ImportedValue::ofBoolean(false);
        else
            return damaged(QStringLiteral("单元格 %1 的逻辑值“%2”无法识别").arg(cellName(), trimmed));
        return true;
    }
    if (type == CellType::Error) {
        value = ImportedValue::ofError(trimmed.toString());
        return true;
    }
    if (type == CellType::Date) {
        const std::optional<double> serial = IsoDate::serial(trimmed);
        if (!serial)
            return damaged(QStringLiteral("单元格 %1 的日期“%2”无法识别").arg(cellName(), trimmed));
        value = ImportedValue::ofNumber(*serial);
        return true;
    }
    // A number that does not parse, or does not fit a double (INF, NaN, 1E999), is no number a
    // spreadsheet writes: the part is damaged, and no cell is made up in its place.
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return damaged(QStringLiteral("单元格 %1 的数字“%2”无法识别").arg(cellName(), trimmed));
    value = ImportedValue::ofNumber(number);
    return true;
}

void WorksheetReader::readColumns(const XmlScanner& xml)
{
    ColumnRange range{xml.attribute("min").toInt(), xml.attribute("max").toInt(), std::nullopt,
                      xml.attribute("style").toInt()};
    bool ok = false;
    const double width = xml.attribute("width").toDouble(&ok);
    if (ok && width >= 0 && width <= 255)
        range.width = ColumnWidth::fromExcelWidth(width);
    range.last = std::min(range.last, WorkbookLimits::MaxColumns);
    // Ranges run left to right without overlapping; one that does not is left out.
    const int previous = m_columnRanges.empty() ? 0 : m_columnRanges.back().last;
    if (range.first > previous && range.last >= range.first)
        m_columnRanges.push_back(range);
}

bool WorksheetReader::readMerge(const XmlScanner& xml)
{
    // A range that does not read only hides nothing.
    CellName::Range range;
    if (CellName::readRange(xml.attribute("ref"), range) == CellName::Reading::Read)
        m_merges.add(range);
    if (m_merges.size() > ImportLimits::MaxCells)
        return fail(ImportReasons::tooManyCells(m_shown));
    return true;
}

void WorksheetReader::finishColumns()
{
    std::vector<ColumnSpan> spans;
    for (const ColumnRange& range : m_columnRanges) {
        const WorkbookStyles::Look look = m_styles.look(range.style);
        ColumnSpan& span = spans.emplace_back(ColumnSpan{range.first, range.last, {}});
        span.format.width = range.width;
        if (look.fontSize != m_styles.defaultFontSize())
            span.format.fontSize = look.fontSize;
        span.format.text = look.text;
    }
    m_table.setColumns(spans);
}

bool WorksheetReader::notWellFormed()
{
    m_error.clear();
    return false;
}

bool WorksheetReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool WorksheetReader::damaged(const QString& detail)
{
    return fail(ImportReasons::damaged(m_shown, detail));
}
