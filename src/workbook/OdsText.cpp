#include "workbook/OdsText.h"

#include "workbook/OdsNames.h"

#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace OdsText {

void readParagraph(QXmlStreamReader& xml, QString& text, qsizetype limit)
{
    // Spans nest; counting depth instead of recursing keeps a hostile nesting off the stack.
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters) {
            if (text.size() <= limit)
                text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            if (xml.namespaceUri() != OdsNames::Text || name == u"note" || name == u"ruby-text") {
                xml.skipCurrentElement();
            } else if (name == u"s") {
                bool ok = false;
                const qsizetype count = xml.attributes().value(OdsNames::Text, "c"_L1).toLongLong(&ok);
                if (text.size() <= limit)
                    text += QString(ok ? std::clamp<qsizetype>(count, 0, limit + 1) : 1, u' ');
                xml.skipCurrentElement();
            } else if (name == u"tab" || name == u"line-break") {
                text += name == u"tab" ? u'\t' : u'\n';
                xml.skipCurrentElement();
            } else {
                ++depth;
            }
        }
    }
}

} // namespace OdsText
