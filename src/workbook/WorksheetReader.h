#pragma once

#include "formula/CellAddress.h"
#include "workbook/MergedCells.h"
#include "workbook/SharedFormulas.h"

#include <QString>

#include <vector>

class ImportedTable;
class OpcPackage;
class XmlScanner;
class SharedStrings;
class WorkbookStyles;
struct ImportedValue;

// Reads the cells, merged ranges and column formats of one .xlsx worksheet part into a table,
// streaming the part: memory follows the cells the part holds, not its size or its rectangle.
class WorksheetReader
{
public:
    WorksheetReader(const SharedStrings& strings, const WorkbookStyles& styles, const QString& shown,
                    ImportedTable& table);

    // Reads the part and finishes the table; an empty reason when that worked, else why not.
    QString read(const OpcPackage& package, const QString& partName);

private:
    struct ColumnRange
    {
        int first = 0;
        int last = 0;
        std::optional<double> width;
        int style = 0;
    };

    bool readCell(XmlScanner& xml);
    enum class CellType
    {
        Number,
        SharedString,
        InlineString,
        FormulaString,
        Boolean,
        Error,
        Date
    };
    static CellType cellType(QByteArrayView type);
    bool cellValue(CellType type, const QString& raw, QString& inlineText, ImportedValue& value);
    void readColumns(const XmlScanner& xml);
    bool readMerge(const XmlScanner& xml);
    void finishColumns();
    // Leaves the reason to the part's outcome: damaged, cut short, too large.
    bool notWellFormed();
    bool fail(const QString& reason);
    bool damaged(const QString& detail);

    const SharedStrings& m_strings;
    const WorkbookStyles& m_styles;
    QString m_shown;
    ImportedTable& m_table;
    SharedFormulas m_sharedFormulas;
    MergedCells m_merges;
    std::vector<ColumnRange> m_columnRanges;
    CellAddress m_at{0, 0}; // the last cell read, which a cell without a name follows
    QString m_raw;          // a cell's <v>, its room kept from cell to cell
    QString m_error;
};
