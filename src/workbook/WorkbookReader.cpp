#include "workbook/WorkbookReader.h"

#include "workbook/ImportLimits.h"
#include "workbook/ImportReasons.h"
#include "workbook/ImportedTable.h"
#include "workbook/OpcPackage.h"
#include "workbook/PartXml.h"
#include "workbook/SharedStrings.h"
#include "workbook/WorkbookStyles.h"
#include "workbook/WorksheetReader.h"

#include <QDir>
#include <QXmlStreamReader>

namespace {

// The relationship ids of the workbook's sheets, in the order of its list. A package whose main
// part is no workbook (a .docx) is Missing one.
PartStatus readSheetIds(const QByteArray& workbook, QStringList& ids)
{
    QXmlStreamReader xml(workbook);
    if (const PartStatus start = PartXml::readToRoot(xml); start != PartStatus::Read)
        return start;
    if (xml.name() != u"workbook")
        return PartStatus::Missing;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"sheet")
            continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes())
            if (attribute.name() == u"id" && attribute.namespaceUri().endsWith(u"/relationships"))
                ids.append(attribute.value().toString());
    }
    return xml.hasError() ? PartStatus::Damaged : PartStatus::Read;
}

} // namespace

bool WorkbookReader::read(const QString& path, ImportedTable& table)
{
    m_error.clear();
    m_shown = QDir::toNativeSeparators(path);
    OpcPackage package;
    if (!package.open(path))
        return fail(ImportReasons::notWorkbook(m_shown));
    return readParts(package, table);
}

bool WorkbookReader::readParts(const OpcPackage& package, ImportedTable& table)
{
    QList<OpcPackage::Relationship> root;
    PartStatus status = package.relationships({}, root);
    if (status == PartStatus::Missing)
        return fail(ImportReasons::notWorkbook(m_shown));
    if (status != PartStatus::Read)
        return fail(ImportReasons::part(m_shown, QStringLiteral("_rels/.rels"), status));
    const auto workbookRelation = OpcPackage::firstOfKind(root, u"officeDocument");
    if (!workbookRelation)
        return fail(ImportReasons::notWorkbook(m_shown));
    const QString workbookPart = workbookRelation->target;
    QByteArray workbook;
    status = package.read(workbookPart, ImportLimits::MaxGuidePartBytes, workbook);
    QStringList sheetIds;
    if (status == PartStatus::Read && (status = readSheetIds(workbook, sheetIds)) == PartStatus::Missing)
        return fail(ImportReasons::notWorkbook(m_shown));
    if (status != PartStatus::Read)
        return fail(ImportReasons::part(m_shown, workbookPart, status));
    QList<OpcPackage::Relationship> parts;
    status = package.relationships(workbookPart, parts);
    if (status != PartStatus::Read)
        return fail(ImportReasons::part(m_shown, workbookPart, status));

    // The first sheet that is a worksheet: a chart sheet holds no cells.
    QString sheetPart;
    for (const QString& id : sheetIds) {
        for (const OpcPackage::Relationship& relationship : parts)
            if (relationship.id == id && OpcPackage::firstOfKind({relationship}, u"worksheet"))
                sheetPart = relationship.target;
        if (!sheetPart.isEmpty())
            break;
    }
    if (sheetPart.isEmpty())
        return fail(ImportReasons::nothingInSheet(m_shown));

    SharedStrings strings;
    if (const auto stringsRelation = OpcPackage::firstOfKind(parts, u"sharedStrings")) {
        const QString reason = strings.read(package, stringsRelation->target, m_shown);
        if (!reason.isEmpty())
            return fail(reason);
    }
    WorkbookStyles styles;
    if (const auto stylesRelation = OpcPackage::firstOfKind(parts, u"styles")) {
        QByteArray bytes;
        status = package.read(stylesRelation->target, ImportLimits::MaxStylesPartBytes, bytes);
        if (status == PartStatus::Read)
            status = styles.parse(bytes);
        // Without its styles a workbook still has its cells.
        if (status != PartStatus::Read && status != PartStatus::Missing)
            return fail(ImportReasons::part(m_shown, stylesRelation->target, status));
    }
    const QString reason = WorksheetReader(strings, styles, m_shown, table).read(package, sheetPart);
    return reason.isEmpty() || fail(reason);
}

bool WorkbookReader::fail(const QString& reason)
{
    m_error = reason;
    return false;
}
