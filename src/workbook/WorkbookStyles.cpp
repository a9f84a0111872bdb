#include "workbook/WorkbookStyles.h"

#include "workbook/PartXml.h"

#include <QSet>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

namespace {

// Number format 49 is the built-in "@".
constexpr int TextNumberFormat = 49;

bool isTrue(QStringView flag)
{
    return flag.isEmpty() || flag == u"1" || flag == u"true" || flag == u"on";
}

// Colours come as "AARRGGBB" or "RRGGBB"; theme and indexed colours are left at the default.
std::optional<quint32> rgbOf(const QXmlStreamAttributes& attributes)
{
    const QStringView rgb = attributes.value("rgb"_L1);
    if (rgb.size() != 8 && rgb.size() != 6)
        return std::nullopt;
    bool ok = false;
    const quint32 value = rgb.right(6).toUInt(&ok, 16);
    return ok ? std::optional(value) : std::nullopt;
}

// Sizes a spreadsheet application allows; others are no size at all.
std::optional<double> fontSize(QStringView text)
{
    bool ok = false;
    const double points = text.toDouble(&ok);
    return ok && points >= 1 && points <= 409 ? std::optional(points) : std::nullopt;
}

} // namespace

PartStatus WorkbookStyles::parse(const QByteArray& xml)
{
    QSet<int> textFormats{TextNumberFormat};
    std::vector<Look> fonts;
    m_looks.clear();

    // Fonts and cell formats also appear in differential formats and cell styles: only those
    // of the <fonts> and <cellXfs> lists count.
    QStringView section;
    QXmlStreamReader reader(xml);
    if (const PartStatus start = PartXml::readToRoot(reader); start != PartStatus::Read)
        return start;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::EndElement && reader.name() == section) {
            section = {};
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = reader.name();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (section.isEmpty()) {
            for (QStringView list : {u"numFmts", u"fonts", u"cellXfs", u"dxfs", u"cellStyleXfs"})
                if (name == list)
                    section = list;
        } else if (section == u"numFmts" && name == u"numFmt") {
            if (attributes.value("formatCode"_L1) == u"@")
                textFormats.insert(attributes.value("numFmtId"_L1).toInt());
        } else if (section == u"fonts") {
            if (name == u"font")
                fonts.emplace_back();
            else if (fonts.empty())
                continue;
            else if (name == u"b")
                fonts.back().bold = isTrue(attributes.value("val"_L1));
            else if (name == u"sz")
                fonts.back().fontSize = fontSize(attributes.value("val"_L1));
            else if (name == u"color")
                fonts.back().color = rgbOf(attributes);
        } else if (section == u"cellXfs" && name == u"xf") {
            const qsizetype fontId = attributes.value("fontId"_L1).toInt();
            Look look = fontId >= 0 && fontId < qsizetype(fonts.size()) ? fonts[fontId] : Look{};
            look.text = textFormats.contains(attributes.value("numFmtId"_L1).toInt());
            m_looks.push_back(look);
        }
    }
    m_defaultFontSize = fonts.empty() ? std::nullopt : fonts.front().fontSize;
    return reader.hasError() ? PartStatus::Damaged : PartStatus::Read;
}

WorkbookStyles::Look WorkbookStyles::look(int styleIndex) const
{
    return styleIndex >= 0 && styleIndex < int(m_looks.size()) ? m_looks[styleIndex] : Look{};
}
