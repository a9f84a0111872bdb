#pragma once

#include "workbook/PartStatus.h"

#include <QByteArray>

#include <optional>
#include <vector>

// The cell formats of a workbook's styles part, as far as the sheet keeps them: bold, font
// colour and size, and the text number format "@".
class WorkbookStyles
{
public:
    struct Look
    {
        bool bold = false;
        std::optional<quint32> color; // 0xRRGGBB
        std::optional<double> fontSize;
        bool text = false;
    };

    // Damaged when the part is not well-formed XML, Unsafe when it declares a document type.
    PartStatus parse(const QByteArray& xml);

    // The look of a cell's style index ("s"); the default look for an unknown one.
    Look look(int styleIndex) const;
    // The size of the workbook's default font, which cells without a size of their own use.
    std::optional<double> defaultFontSize() const { return m_defaultFontSize; }

private:
    std::vector<Look> m_looks;
    std::optional<double> m_defaultFontSize;
};
