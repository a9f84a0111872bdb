#include "workbook/OdsReader.h"

#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedTable.h"
#include "workbook/OdsNames.h"
#include "workbook/OdsStyles.h"
#include "workbook/OdsTableReader.h"
#include "workbook/OpcPackage.h"
#include "workbook/PartXml.h"
#include "workbook/ZipPartDevice.h"

#include <QDir>
#include <QXmlStreamReader>

namespace {

const QString ContentPart = QStringLiteral("content.xml");

} // namespace

bool OdsReader::read(const QString& path, ImportedTable& table)
{
    m_error.clear();
    m_shown = QDir::toNativeSeparators(path);
    OpcPackage package;
    if (!package.open(path))
        return fail(ImportReasons::notWorkbook(m_shown));
    // An encrypted document keeps its manifest readable and says there how its parts are
    // encrypted. Old manifests carry a document type, so the bytes are searched, not parsed.
    QByteArray manifest;
    const PartStatus status =
        package.read(QStringLiteral("META-INF/manifest.xml"), ImportLimits::MaxGuidePartBytes, manifest);
    if (status == PartStatus::Read && manifest.contains("encryption-data"))
        return fail(ImportReasons::encrypted(m_shown));
    return readContent(package, table);
}

bool OdsReader::readContent(const OpcPackage& package, ImportedTable& table)
{
    PartStatus status;
    const std::unique_ptr<ZipPartDevice> device =
        package.stream(ContentPart, ImportLimits::MaxUnpackedBytes, status);
    if (!device)
        return fail(ImportReasons::part(m_shown, ContentPart, status));
    QXmlStreamReader xml(device.get());
    status = PartXml::readToRoot(xml);
    OdsStyles styles;
    bool tableRead = false;
    while (!tableRead && status == PartStatus::Read && !xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"automatic-styles" && xml.namespaceUri() == OdsNames::Office) {
            styles.read(xml);
        } else if (xml.name() == u"table" && xml.namespaceUri() == OdsNames::Table) {
            OdsTableReader reader(styles, m_shown, table);
            if (!reader.read(xml) && device->status() == PartStatus::Read)
                return fail(reader.error());
            tableRead = true;
        }
    }
    // The sheets after the first are unpacked all the same, to check the part is whole.
    status = PartXml::outcome(xml, *device, status);
    if (status != PartStatus::Read)
        return fail(ImportReasons::part(m_shown, ContentPart, status));
    return true;
}

bool OdsReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
