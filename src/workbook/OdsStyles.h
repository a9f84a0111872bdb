#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

class QXmlStreamReader;

// The automatic styles of an .ods file's content, as far as the sheet keeps them: a cell
// style's bold, font colour and text format ("@"), a column style's width. Styles inherited from
// the document's named styles are not followed.
class OdsStyles
{
public:
    struct CellLook
    {
        bool bold = false;
        std::optional<quint32> color; // 0xRRGGBB
        bool text = false;
    };

    // Reads the office:automatic-styles element the reader is at, to its end.
    void read(QXmlStreamReader& xml);

    CellLook cellLook(const QString& styleName) const { return m_cellLooks.value(styleName); }
    // In characters of the digit 0.
    std::optional<double> columnWidth(const QString& styleName) const;

private:
    void readStyle(QXmlStreamReader& xml);

    QHash<QString, CellLook> m_cellLooks;
    QHash<QString, QString> m_dataStyles; // cell style → its number format's name
    QSet<QString> m_textFormats;
    QHash<QString, double> m_columnWidths;
};
