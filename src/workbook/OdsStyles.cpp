#include "workbook/OdsStyles.h"

#include "workbook/ColumnWidth.h"
#include "workbook/OdsNames.h"

#include <QXmlStreamReader>

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

// "2.258cm", "0.8in", "64pt" in points.
std::optional<double> points(QStringView length)
{
    static constexpr std::array<std::pair<QStringView, double>, 5> Units{
        {{u"cm", 72 / 2.54}, {u"mm", 72 / 25.4}, {u"in", 72.0}, {u"pt", 1.0}, {u"pc", 12.0}}};
    for (const auto& [unit, factor] : Units) {
        if (length.endsWith(unit)) {
            bool ok = false;
            const double amount = length.chopped(unit.size()).toDouble(&ok);
            if (ok && amount >= 0 && amount <= 10000)
                return amount * factor;
        }
    }
    return std::nullopt;
}

// "#ff0000"
std::optional<quint32> color(QStringView text)
{
    bool ok = false;
    const quint32 rgb = text.sliced(std::min<qsizetype>(1, text.size())).toUInt(&ok, 16);
    return ok && text.size() == 7 && text.startsWith(u'#') ? std::optional(rgb) : std::nullopt;
}

} // namespace

void OdsStyles::read(QXmlStreamReader& xml)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == u"style") {
            readStyle(xml);
        } else if (xml.name() == u"text-style") {
            // A number format that shows text as it is typed: "@".
            m_textFormats.insert(xml.attributes().value(OdsNames::Style, "name"_L1).toString());
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    for (auto it = m_dataStyles.cbegin(); it != m_dataStyles.cend(); ++it)
        if (m_textFormats.contains(it.value()))
            m_cellLooks[it.key()].text = true;
}

void OdsStyles::readStyle(QXmlStreamReader& xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString name = attributes.value(OdsNames::Style, "name"_L1).toString();
    const QStringView family = attributes.value(OdsNames::Style, "family"_L1);
    if (family == u"table-cell") {
        const QStringView dataStyle = attributes.value(OdsNames::Style, "data-style-name"_L1);
        if (!dataStyle.isEmpty())
            m_dataStyles.insert(name, dataStyle.toString());
        CellLook look;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"text-properties") {
                const QXmlStreamAttributes text = xml.attributes();
                const QStringView weight = text.value(OdsNames::Fo, "font-weight"_L1);
                look.bold = weight == u"bold" || weight.toInt() >= 600;
                look.color = color(text.value(OdsNames::Fo, "color"_L1));
            }
            xml.skipCurrentElement();
        }
        m_cellLooks.insert(name, look);
    } else if (family == u"table-column") {
        while (xml.readNextStartElement()) {
            if (xml.name() == u"table-column-properties")
                if (const auto width = points(xml.attributes().value(OdsNames::Style, "column-width"_L1)))
                    m_columnWidths.insert(name, ColumnWidth::fromPoints(*width));
            xml.skipCurrentElement();
        }
    } else {
        xml.skipCurrentElement();
    }
}

std::optional<double> OdsStyles::columnWidth(const QString& styleName) const
{
    const auto found = m_columnWidths.constFind(styleName);
    return found == m_columnWidths.cend() ? std::nullopt : std::optional(*found);
}
