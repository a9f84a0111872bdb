#include "workbook/OpcPackage.h"

#include <QDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <quazip.h>
#include <quazipfile.h>

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
OpcPackage::~OpcPackage() = default;

bool OpcPackage::open(const QString& path)
{
    m_zip = std::make_unique<QuaZip>(path);
    if (!m_zip->open(QuaZip::mdUnzip)) {
        m_zip.reset();
        return false;
    }
    return true;
}

std::optional<QByteArray> OpcPackage::part(const QString& name) const
{
    // Part names compare without regard to case.
    if (!m_zip || !m_zip->setCurrentFile(name, QuaZip::csInsensitive))
        return std::nullopt;
    QuaZipFile file(m_zip.get());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    file.close();
    if (file.getZipError() != UNZ_OK)
        return std::nullopt;
    return bytes;
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
