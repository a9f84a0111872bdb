#pragma once

#include "formula/CellAddress.h"
#include "workbook/ImportedColumn.h"

#include <QString>

#include <vector>

class ImportedTable;
class OdsStyles;
class QXmlStreamReader;
struct ImportedCell;

// Reads one table:table of an .ods file into a table. Rows and cells repeated over empty ground
// cost nothing; a repeated cell with content is made once per place, as long as the table stays
// within the grid and the bound on cells. Cells covered by a merged one are left out.
class OdsTableReader
{
public:
    OdsTableReader(const OdsStyles& styles, const QString& shown, ImportedTable& table);

    // Reads the table the reader is at, to its end; false with error() saying why not.
    bool read(QXmlStreamReader& xml);
    QString error() const { return m_error; }

private:
    bool readRow(QXmlStreamReader& xml);
    bool readCell(QXmlStreamReader& xml, ImportedCell& cell, qint64 column);
    bool readValue(QXmlStreamReader& xml, ImportedCell& cell, qint64 column);
    void readColumn(QXmlStreamReader& xml);
    bool placeCells(qint64 firstColumn, qint64 repeat, const ImportedCell& cell);
    bool fail(const QString& reason);
    bool damaged(const QString& detail);

    const OdsStyles& m_styles;
    QString m_shown;
    ImportedTable& m_table;
    qint64 m_row = 1;
    qint64 m_nextColumn = 1; // of the column descriptions
    std::vector<ImportedCell> m_rowCells;
    std::vector<ColumnSpan> m_columns;
    QString m_error;
};
