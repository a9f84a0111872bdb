#pragma once

#include "table/CellRange.h"
#include "table/SheetColumn.h"

#include <QString>
#include <algorithm>
#include <map>
#include <optional>
#include <ranges>
#include <variant>
#include <vector>

class SheetObserver;

// The worksheet that holds the rename table: cells addressed from (1, 1) holding text or a
// number, and the few formats the program sets. Text stays text: nothing put or typed is ever
// converted to a number or a date, so a new name such as 007 reaches the file system as 007.
class Sheet
{
public:
    enum Column : int
    {
        A = 1,
        B,
        C,
        D,
        E,
        F,
        G,
        H,
        I,
        J,
        K
    };
    using Value = SheetColumn::Value;
    using Rgb = quint32; // 0xRRGGBB
    static constexpr double DefaultFontSize = 11;
    // Row 1 holds the column headers; each row below it stands for one file.
    static constexpr qsizetype FirstDataRow = 2;

    // A data row's place among the data rows, 1 for the first, and the row at such a place.
    static constexpr qsizetype dataIndexOf(qsizetype row) { return row - FirstDataRow + 1; }
    static constexpr qsizetype rowAtDataIndex(qsizetype index) { return index + FirstDataRow - 1; }

    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // The cell's value as text: empty for an empty cell, a number as its decimal text.
    QString text(qsizetype row, int column) const;
    Value value(qsizetype row, int column) const;
    bool isEmpty(qsizetype row, int column) const;
    bool isNumber(qsizetype row, int column) const;

    // A put as a spreadsheet takes it: one leading "'" marks text and is not part of the value.
    void put(qsizetype row, int column, const QString& input);
    // Stores the text exactly as given.
    void setText(qsizetype row, int column, const QString& text);
    void setNumber(qsizetype row, int column, double number);
    void setValue(qsizetype row, int column, const Value& value);
    void clearCell(qsizetype row, int column);

    // Empties every cell: values, cell formats, column fonts and formats, row marks.
    void clear();

    // Makes room for rows in the columns about to be filled, so a large table grows in one step.
    void reserveRows(int firstColumn, int lastColumn, qsizetype rows);

    // Rows from row 1 to the last row that holds a value; 0 for an empty sheet.
    qsizetype usedRowCount() const;
    int usedColumnCount() const;
    // The used rows below the header, for a range-for: FirstDataRow to the last used row.
    auto dataRows() const
    {
        return std::views::iota(FirstDataRow, std::max(FirstDataRow, usedRowCount() + 1));
    }
    qsizetype dataRowCount() const { return std::max<qsizetype>(0, usedRowCount() - (FirstDataRow - 1)); }

    void setBold(qsizetype row, int column, bool bold);
    bool isBold(qsizetype row, int column) const;
    void setColor(qsizetype row, int column, Rgb rgb);
    std::optional<Rgb> color(qsizetype row, int column) const;

    void setFontSize(double points);
    void setColumnsFontSize(int firstColumn, int lastColumn, double points);
    double fontSize(int column) const;

    // Widths in characters of the digit 0; a column without one keeps the grid's own width.
    void setColumnWidth(int column, double characters);
    std::optional<double> columnWidth(int column) const;
    void autoFitColumns(int firstColumn, int lastColumn);

    // Number format "@": the column keeps what is typed into it as text.
    void setColumnTextFormat(int column);
    bool hasColumnTextFormat(int column) const;

    // A row singled out with a reason, such as a failed operation, until the next clear.
    void markRow(qsizetype row, const QString& reason);
    QString rowMark(qsizetype row) const;
    void clearRowMarks();

    void setObserver(SheetObserver* observer);

    // Holds back notifications until the outermost batch ends, then sends one per kind.
    class Batch
    {
    public:
        explicit Batch(Sheet& sheet);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Sheet& m_sheet;
    };

private:
    struct CellStyle
    {
        bool bold = false;
        std::optional<Rgb> color;
    };
    using CellKey = std::pair<qsizetype, int>;

    const SheetColumn* column(int column) const;
    SheetColumn& writableColumn(int column);
    void noteValueStored(qsizetype row, int column, bool holdsValue);
    void noteCellsChanged(const CellRange& range);
    void noteColumnFormatChanged();
    void endBatch();

    std::vector<SheetColumn> m_columns; // m_columns[column - 1]
    mutable qsizetype m_usedRows = 0;
    mutable bool m_usedRowsStale = false;
    std::map<CellKey, CellStyle> m_cellStyles;
    double m_fontSize = DefaultFontSize;
    std::map<int, double> m_columnFontSizes;
    std::map<int, double> m_columnWidths;
    std::map<int, bool> m_textColumns;
    std::map<qsizetype, QString> m_rowMarks;

    SheetObserver* m_observer = nullptr;
    int m_batchDepth = 0;
    CellRange m_pendingCells;
    bool m_pendingClear = false;
    bool m_pendingColumnFormat = false;
};
