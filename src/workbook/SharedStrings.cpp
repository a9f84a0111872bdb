#include "workbook/SharedStrings.h"

#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/OpcPackage.h"
#include "workbook/PartXml.h"
#include "workbook/StringItem.h"
#include "workbook/WorkbookLimits.h"
#include "workbook/XmlScanner.h"
#include "workbook/ZipPartDevice.h"

QString SharedStrings::read(const OpcPackage& package, const QString& partName, const QString& shown)
{
    m_strings.clear();
    m_missing = false;
    PartStatus status;
    const std::unique_ptr<ZipPartDevice> device =
        package.stream(partName, ImportLimits::MaxUnpackedBytes, status);
    if (status == PartStatus::Missing) {
        m_missing = true;
        return {};
    }
    if (!device)
        return ImportReasons::part(shown, partName, status);
    XmlScanner xml(*device);
    XmlScanner::Token token;
    while ((token = xml.next()) != XmlScanner::Token::End && token != XmlScanner::Token::Malformed &&
           token != XmlScanner::Token::Unsafe) {
        if (token != XmlScanner::Token::StartElement || xml.name() != "si")
            continue;
        QString text;
        if (!StringItem::read(xml, text)) {
            token = XmlScanner::Token::Malformed;
            break;
        }
        if (text.size() > WorkbookLimits::MaxCellText)
            return ImportReasons::textTooLong(shown, QStringLiteral("一个单元格"));
        if (size() >= ImportLimits::MaxCells)
            return ImportReasons::tooManyCells(shown);
        m_strings.push_back(std::move(text));
    }
    status = PartXml::outcome(token, *device);
    return status == PartStatus::Read ? QString() : ImportReasons::part(shown, partName, status);
}
