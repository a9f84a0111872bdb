#include "workbook/OpcPackage.h"

#include "workbook/ImportLimits.h"
#include "workbook/PartXml.h"
#include "workbook/ZipPartDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QXmlStreamReader>

#include <unzip.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString relationshipsPartOf(const QString& sourcePart)
{
    if (sourcePart.isEmpty())
        return QStringLiteral("_rels/.rels");
    const qsizetype slash = sourcePart.lastIndexOf(u'/');
    return sourcePart.left(slash + 1) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1) +
           QStringLiteral(".rels");
}

// Targets are URIs relative to the source part's folder, or absolute from the package root.
QString resolveTarget(const QString& sourcePart, const QString& target)
{
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QString joined;
    if (decoded.startsWith(u'/'))
        joined = decoded;
    else
        joined = u'/' + sourcePart.left(sourcePart.lastIndexOf(u'/') + 1) + decoded;
    return QDir::cleanPath(joined).mid(1);
}

} // namespace

OpcPackage::OpcPackage() = default;

OpcPackage::~OpcPackage()
{
    if (m_zip)
        unzClose(m_zip);
}

bool OpcPackage::open(const QString& path)
{
    if (m_zip)
        unzClose(m_zip);
    m_zip = unzOpen64(QFile::encodeName(path).constData());
    m_budget = ImportLimits::unpackedBudget(QFileInfo(path).size());
    return m_zip != nullptr;
}

bool OpcPackage::hasPart(const QString& name) const
{
    // Part names compare without regard to case (minizip's case sensitivity 2).
    return m_zip && unzLocateFile(m_zip, name.toUtf8().constData(), 2) == UNZ_OK;
}

std::unique_ptr<ZipPartDevice> OpcPackage::stream(const QString& name, qint64 limit, PartStatus& status) const
{
    if (!hasPart(name)) {
        status = PartStatus::Missing;
        return nullptr;
    }
    if (unzOpenCurrentFile(m_zip) != UNZ_OK) {
        status = PartStatus::Damaged;
        return nullptr;
    }
    status = PartStatus::Read;
    return std::make_unique<ZipPartDevice>(m_zip, limit, m_budget);
}

PartStatus OpcPackage::read(const QString& name, qint64 limit, QByteArray& bytes) const
{
    PartStatus status;
    const std::unique_ptr<ZipPartDevice> device = stream(name, limit, status);
    if (!device)
        return status;
    bytes.clear();
    char buffer[64 * 1024];
    qint64 read = 0;
    while ((read = device->read(buffer, sizeof buffer)) > 0)
        bytes.append(buffer, read);
    return device->finish();
}

std::optional<QList<OpcPackage::PartEdges>> OpcPackage::partEdges(qsizetype headSize,
                                                                  qsizetype tailSize) const
{
    if (!m_zip)
        return std::nullopt;
    QList<PartEdges> parts;
    for (int at = unzGoToFirstFile(m_zip); at == UNZ_OK; at = unzGoToNextFile(m_zip)) {
        char name[1024];
        unz_file_info64 info;
        if (unzGetCurrentFileInfo64(m_zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
            unzOpenCurrentFile(m_zip) != UNZ_OK)
            return std::nullopt;
        PartEdges part{QString::fromUtf8(name), {}, {}};
        char buffer[64 * 1024];
        int read = 0;
        while ((read = unzReadCurrentFile(m_zip, buffer, sizeof buffer)) > 0) {
            if (part.head.size() < headSize)
                part.head.append(buffer, std::min<qsizetype>(read, headSize - part.head.size()));
            part.tail.append(buffer, read);
            if (part.tail.size() > tailSize)
                part.tail.remove(0, part.tail.size() - tailSize);
        }
        if (read < 0 || unzCloseCurrentFile(m_zip) != UNZ_OK)
            return std::nullopt;
        parts.append(std::move(part));
    }
    return parts;
}

PartStatus OpcPackage::relationships(const QString& sourcePart, QList<Relationship>& found) const
{
    QByteArray bytes;
    const PartStatus status = read(relationshipsPartOf(sourcePart), ImportLimits::MaxGuidePartBytes, bytes);
    if (status != PartStatus::Read)
        return status;
    found.clear();
    QXmlStreamReader xml(bytes);
    if (const PartStatus start = PartXml::readToRoot(xml); start != PartStatus::Read)
        return start;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value("TargetMode"_L1) == u"External")
            continue;
        found.append({attributes.value("Id"_L1).toString(), attributes.value("Type"_L1).toString(),
                      resolveTarget(sourcePart, attributes.value("Target"_L1).toString())});
    }
    return xml.hasError() ? PartStatus::Damaged : PartStatus::Read;
}

std::optional<OpcPackage::Relationship> OpcPackage::firstOfKind(const QList<Relationship>& relationships,
                                                                QStringView kind)
{
    for (const Relationship& relationship : relationships) {
        const QStringView type = relationship.type;
        if (type.endsWith(kind) && type.size() > kind.size() && type[type.size() - kind.size() - 1] == u'/')
            return relationship;
    }
    return std::nullopt;
}
