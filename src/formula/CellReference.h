#pragma once

#include "formula/CellAddress.h"

#include <QString>
#include <QStringView>
#include <optional>

// A cell named in a formula. A relative row or column is held as its distance from the cell
// holding the formula, so that one parsed formula serves every cell it is filled into; an
// absolute one ("$" in $B$2, B$2, $B2) as its 1-based index.
struct CellReference
{
    qsizetype row = 0;
    int column = 0;
    bool rowAbsolute = false;
    bool columnAbsolute = false;

    // Reads "B2", "$B$2", "b$2" typed in the formula of the cell at host; nothing when the text
    // is no cell name or names a cell off the sheet.
    static std::optional<CellReference> fromText(QStringView text, CellAddress host);

    qsizetype rowAt(qsizetype hostRow) const { return rowAbsolute ? row : hostRow + row; }
    int columnAt(int hostColumn) const { return columnAbsolute ? column : hostColumn + column; }
    // The cell named at host; nothing when it lies off the sheet there.
    std::optional<CellAddress> at(CellAddress host) const;
    // The name as the formula of the cell at host shows it, such as "B5" or "$B$2".
    QString text(CellAddress host) const;

    friend bool operator==(const CellReference&, const CellReference&) = default;
};

// The letters of a 1-based column: 1 is "A", 28 is "AB".
QString columnLetters(int column);
