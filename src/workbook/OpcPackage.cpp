#include "workbook/OpcPackage.h"

#include <QDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <QFile>

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
    return m_zip != nullptr;
}

std::optional<QByteArray> OpcPackage::part(const QString& name) const
{
    // Part names compare without regard to case (minizip's case sensitivity 2).
    if (!m_zip || unzLocateFile(m_zip, name.toUtf8().constData(), 2) != UNZ_OK)
        return std::nullopt;
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(m_zip) != UNZ_OK)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min<ZPOS64_T>(info.uncompressed_size, 1u << 30)));
    char buffer[64 * 1024];
    int read = 0;
    while ((read = unzReadCurrentFile(m_zip, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, read);
    // Closing checks the part's CRC: a damaged part is no part.
    const int closed = unzCloseCurrentFile(m_zip);
    if (read < 0 || closed != UNZ_OK)
        return std::nullopt;
    return bytes;
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

std::optional<QList<OpcPackage::Relationship>> OpcPackage::relationships(const QString& sourcePart) const
{
    const auto bytes = part(relationshipsPartOf(sourcePart));
    if (!bytes)
        return std::nullopt;
    QList<Relationship> found;
    QXmlStreamReader xml(*bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value("TargetMode"_L1) == u"External")
            continue;
        found.append({attributes.value("Id"_L1).toString(), attributes.value("Type"_L1).toString(),
                      resolveTarget(sourcePart, attributes.value("Target"_L1).toString())});
    }
    if (xml.hasError())
        return std::nullopt;
    return found;
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
