#include "workbook/PartXml.h"

#include "workbook/ZipPartDevice.h"

#include <QXmlStreamReader>

namespace PartXml {

PartStatus readToRoot(QXmlStreamReader& xml)
{
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            return PartStatus::Unsafe;
        case QXmlStreamReader::StartElement:
            return PartStatus::Read;
        default:
            break;
        }
    }
    return PartStatus::Damaged;
}

PartStatus outcome(const QXmlStreamReader& xml, ZipPartDevice& device, PartStatus soFar)
{
    if (device.status() != PartStatus::Read)
        return device.status();
    if (soFar != PartStatus::Read)
        return soFar;
    if (xml.hasError())
        return PartStatus::Damaged;
    return device.finish();
}

PartStatus outcome(XmlScanner::Token last, ZipPartDevice& device)
{
    if (device.status() != PartStatus::Read)
        return device.status();
    if (last == XmlScanner::Token::Unsafe)
        return PartStatus::Unsafe;
    if (last != XmlScanner::Token::End)
        return PartStatus::Damaged;
    return device.finish();
}

} // namespace PartXml
