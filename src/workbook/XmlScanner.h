#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class QIODevice;

// A pull reader for the XML of worksheet and shared-strings parts, which may hold millions of
// elements: it works on the UTF-8 bytes as they unpack, without building a string for every name
// and attribute, several times faster than QXmlStreamReader. It checks what a reader of cells
// relies on (tags that nest and close, quoted attributes, the five entities and character
// references) and refuses a document type declaration, which no spreadsheet application writes.
class XmlScanner
{
public:
    enum class Token
    {
        StartElement,
        EndElement,
        Text,
        End,       // after the root element's end
        Malformed, // not well-formed XML, or cut short
        Unsafe,    // a document type declaration
    };

    explicit XmlScanner(QIODevice& device);

    Token next();
    // Of a StartElement or EndElement: the local name, its prefix left out. Views last until next().
    QByteArrayView name() const { return m_name; }
    // Of a StartElement: the raw value of the attribute with that local name; null when absent.
    QByteArrayView attribute(QByteArrayView localName) const;
    // Of a StartElement: the attribute's value with its entities read; empty when absent.
    QString attributeText(QByteArrayView localName) const;
    // Of a Text: appends its characters; false for an entity XML does not define.
    bool appendText(QString& text) const;
    // From a StartElement to its end: appends the text it holds; false when it holds an element.
    bool readElementText(QString& text);
    // From a StartElement to its end.
    bool skipElement();
    int depth() const { return m_depth; }

private:
    bool fill(qsizetype bytes);
    qsizetype find(QByteArrayView what, qsizetype from);
    Token startTag();
    Token endTag();
    Token skipPast(QByteArrayView end, qsizetype from);

    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_at = 0; // where the next token starts
    bool m_deviceEnded = false;
    Token m_token = Token::End;
    QByteArrayView m_name;
    QByteArrayView m_text;
    bool m_textIsRaw = false;                                            // CDATA: no entities to read
    std::vector<std::pair<QByteArrayView, QByteArrayView>> m_attributes; // by local name
    // Where a start tag's attribute names and values lie, from the tag's start.
    struct Span
    {
        qsizetype from = 0;
        qsizetype size = 0;
    };
    std::vector<std::pair<Span, Span>> m_spans;
    std::vector<QByteArray> m_openNames; // qualified names of the open elements, kept for reuse
    int m_depth = 0;
    bool m_emptyElement = false; // the StartElement was <x/>: its end comes next
    bool m_rootSeen = false;
};
