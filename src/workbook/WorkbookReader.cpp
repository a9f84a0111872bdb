#include "workbook/WorkbookReader.h"

#include "table/Sheet.h"
#include "workbook/OpcPackage.h"
#include "workbook/WorkbookLimits.h"
#include "workbook/WorkbookStyles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ReadCell
{
    qsizetype row = 0;
    int column = 0;
    Sheet::Value value;
    int style = 0;
};

struct ReadColumns
{
    int first = 0;
    int last = 0;
    std::optional<double> width; // in characters
    int style = 0;
};

struct WorksheetContent
{
    std::vector<ReadCell> cells;
    std::vector<ReadColumns> columns;
};

// A workbook writes characters XML cannot carry as "_xHHHH_".
QString decodeEscapes(const QString& text)
{
    if (!text.contains(QStringLiteral("_x")))
        return text;
    static const QRegularExpression escaped(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString decoded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : escaped.globalMatch(text)) {
        decoded += QStringView(text).mid(from, match.capturedStart() - from);
        decoded += QChar(char16_t(match.capturedView(1).toUShort(nullptr, 16)));
        from = match.capturedEnd();
    }
    decoded += QStringView(text).mid(from);
    return decoded;
}

// The text of a string item (<si> or <is>): its <t>, or the <t> of each run; phonetic
// guides (<rPh>) are not part of the text.
QString readStringItem(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") {
            text += xml.readElementText();
        } else if (xml.name() == u"r") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"t")
                    text += xml.readElementText();
                else
                    xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return decodeEscapes(text);
}

bool readSharedStrings(const QByteArray& bytes, QStringList& strings)
{
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings.append(readStringItem(xml));
    }
    return !xml.hasError();
}

// "AB12" gives column 28 and row 12.
bool parseCellReference(QStringView reference, qsizetype& row, int& column)
{
    qsizetype i = 0;
    int letters = 0;
    for (; i < reference.size() && letters <= WorkbookLimits::MaxColumns; ++i) {
        const char16_t letter = reference[i].toUpper().unicode();
        if (letter < u'A' || letter > u'Z')
            break;
        letters = letters * 26 + (letter - u'A' + 1);
    }
    bool ok = false;
    const qsizetype digits = reference.mid(i).toLongLong(&ok);
    if (i == 0 || letters < 1 || letters > WorkbookLimits::MaxColumns || !ok || digits < 1 ||
        digits > WorkbookLimits::MaxRows)
        return false;
    row = digits;
    column = letters;
    return true;
}

// Widths come in Excel's unit, characters of the default font's digit plus padding; the sheet
// keeps characters. Excel's own conversion, for its 7-pixel digit and 5 pixels of padding.
double charactersForWidth(double width)
{
    const double pixels = std::trunc((256 * width + std::trunc(128.0 / 7)) / 256 * 7);
    if (pixels < 12)
        return std::round(pixels / 12 * 100) / 100;
    return std::trunc((pixels - 5) / 7 * 100 + 0.5) / 100;
}

Sheet::Value cellValue(QStringView type, const QString& value, const QString& inlineText,
                       const QStringList& sharedStrings)
{
    if (type == u"s") {
        bool ok = false;
        const qsizetype index = value.toLongLong(&ok);
        return ok && index >= 0 && index < sharedStrings.size() ? Sheet::Value(sharedStrings[index])
                                                                : Sheet::Value();
    }
    if (type == u"inlineStr")
        return inlineText;
    if (type == u"b")
        return value.trimmed() == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (type == u"str" || type == u"e" || type == u"d")
        return decodeEscapes(value);
    if (value.isEmpty())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? Sheet::Value(number) : Sheet::Value(value);
}

// Rows and cells may leave out their reference; they then follow the one before.
bool readWorksheet(const QByteArray& bytes, const QStringList& sharedStrings, WorksheetContent& content)
{
    QXmlStreamReader xml(bytes);
    qsizetype row = 0;
    int column = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"col") {
            ReadColumns columns{attributes.value("min"_L1).toInt(), attributes.value("max"_L1).toInt(),
                                std::nullopt, attributes.value("style"_L1).toInt()};
            if (attributes.hasAttribute("width"_L1))
                columns.width = charactersForWidth(attributes.value("width"_L1).toDouble());
            columns.last = std::min(columns.last, WorkbookLimits::MaxColumns);
            if (columns.first >= 1 && columns.last >= columns.first)
                content.columns.push_back(columns);
        } else if (xml.name() == u"row") {
            bool ok = false;
            const qsizetype number = attributes.value("r"_L1).toLongLong(&ok);
            row = ok && number >= 1 ? number : row + 1;
            column = 0;
        } else if (xml.name() == u"c") {
            qsizetype cellRow = row;
            int cellColumn = column + 1;
            const QStringView reference = attributes.value("r"_L1);
            if (!reference.isEmpty() && !parseCellReference(reference, cellRow, cellColumn))
                return false;
            column = cellColumn;
            QString value;
            QString inlineText;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"v")
                    value = xml.readElementText();
                else if (xml.name() == u"is")
                    inlineText = readStringItem(xml);
                else
                    xml.skipCurrentElement();
            }
            if (cellRow < 1 || cellRow > WorkbookLimits::MaxRows || cellColumn > WorkbookLimits::MaxColumns)
                return false;
            content.cells.push_back({cellRow, cellColumn,
                                     cellValue(attributes.value("t"_L1), value, inlineText, sharedStrings),
                                     attributes.value("s"_L1).toInt()});
        }
    }
    return !xml.hasError();
}

void fillSheet(const WorksheetContent& content, const WorkbookStyles& styles, Sheet& sheet)
{
    Sheet::Batch batch(sheet);
    int lastColumn = Sheet::H;
    for (const ReadCell& cell : content.cells) {
        sheet.setValue(cell.row, cell.column, cell.value);
        const WorkbookStyles::Look look = styles.look(cell.style);
        if (look.bold)
            sheet.setBold(cell.row, cell.column, true);
        if (look.color)
            sheet.setColor(cell.row, cell.column, *look.color);
        if (!std::holds_alternative<std::monostate>(cell.value))
            lastColumn = std::max(lastColumn, cell.column);
    }
    // Column entries often run to the last column of the workbook; beyond the table's
    // columns they only describe empty ones.
    for (const ReadColumns& columns : content.columns) {
        const WorkbookStyles::Look look = styles.look(columns.style);
        for (int c = columns.first; c <= std::min(columns.last, lastColumn); ++c) {
            if (columns.width)
                sheet.setColumnWidth(c, *columns.width);
            if (look.fontSize && look.fontSize != styles.defaultFontSize())
                sheet.setColumnsFontSize(c, c, *look.fontSize);
            if (look.text)
                sheet.setColumnTextFormat(c);
        }
    }
}

} // namespace

bool WorkbookReader::read(const QString& path, Sheet& sheet)
{
    m_error.clear();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("找不到文件 %1").arg(shownPath));
    OpcPackage package;
    if (!package.open(path))
        return fail(QStringLiteral("无法打开 %1：它不是 xlsx 工作簿，或者已经损坏").arg(shownPath));
    auto notWorkbook = [&](const QString& missing) {
        return fail(QStringLiteral("%1 不是完整的 xlsx 工作簿（缺少 %2）").arg(shownPath, missing));
    };
    auto damaged = [&](const QString& part) {
        return fail(QStringLiteral("工作簿 %1 已损坏，无法读取其中的 %2").arg(shownPath, part));
    };

    const auto root = package.relationships({});
    const auto workbookRelation = root ? OpcPackage::firstOfKind(*root, u"officeDocument") : std::nullopt;
    if (!workbookRelation)
        return notWorkbook(QStringLiteral("工作簿部分"));
    const QString workbookPart = workbookRelation->target;
    const auto workbookXml = package.part(workbookPart);
    const auto parts = package.relationships(workbookPart);
    if (!workbookXml || !parts)
        return notWorkbook(workbookPart);

    // The first sheet is the first in the workbook's list, whatever its part is called.
    QString firstSheetId;
    QXmlStreamReader xml(*workbookXml);
    while (firstSheetId.isEmpty() && !xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
            continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            if (attribute.name() == u"id" && attribute.namespaceUri().endsWith(u"/relationships"))
                firstSheetId = attribute.value().toString();
    }
    if (xml.hasError())
        return damaged(workbookPart);
    QString sheetPart;
    for (const OpcPackage::Relationship& relationship : *parts)
        if (relationship.id == firstSheetId)
            sheetPart = relationship.target;
    if (firstSheetId.isEmpty() || sheetPart.isEmpty())
        return fail(QStringLiteral("工作簿 %1 中没有工作表").arg(shownPath));

    QStringList sharedStrings;
    if (const auto strings = OpcPackage::firstOfKind(*parts, u"sharedStrings")) {
        const auto bytes = package.part(strings->target);
        if (!bytes || !readSharedStrings(*bytes, sharedStrings))
            return damaged(strings->target);
    }
    WorkbookStyles styles;
    if (const auto stylesPart = OpcPackage::firstOfKind(*parts, u"styles")) {
        const auto bytes = package.part(stylesPart->target);
        if (!bytes || !styles.parse(*bytes))
            return damaged(stylesPart->target);
    }
    WorksheetContent content;
    const auto sheetXml = package.part(sheetPart);
    if (!sheetXml)
        return notWorkbook(sheetPart);
    if (!readWorksheet(*sheetXml, sharedStrings, content))
        return damaged(sheetPart);

    fillSheet(content, styles, sheet);
    return true;
}

bool WorkbookReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
