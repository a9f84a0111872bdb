#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"
#include "table/CellRange.h"
#include "table/KeptCells.h"
#include "table/SheetColumn.h"
#include "table/SheetEdit.h"

#include <QDateTime>
#include <QString>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ranges>
#include <span>
#include <variant>
#include <vector>

class FileInfoProvider;
class SheetCalculation;
class SheetObserver;

// The worksheet that holds the rename table: cells addressed from (1, 1) holding text, a number,
// TRUE or FALSE, an error or a formula with its current value, and the few formats the program
// sets. Text stays text: nothing put or typed is ever converted to a number or a date, so a new
// name such as 007 reaches the file system as 007. Only a typed or pasted "=..." is a formula.
// Every change recalculates the formulas that depend on it, once a batch of changes ends.
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
    using FormulaPointer = SheetColumn::FormulaPointer;
    using Rgb = quint32; // 0xRRGGBB
    static constexpr double DefaultFontSize = 11;
    // Row 1 holds the column headers; each row below it stands for one file.
    static constexpr qsizetype FirstDataRow = 2;

    // A data row's place among the data rows, 1 for the first, and the row at such a place.
    static constexpr qsizetype dataIndexOf(qsizetype row) { return row - FirstDataRow + 1; }
    static constexpr qsizetype rowAtDataIndex(qsizetype index) { return index + FirstDataRow - 1; }

    // The bounds of a worksheet, as spreadsheets have them.
    static constexpr qsizetype MaxRows = 1048576;
    static constexpr int MaxColumns = 16384;

    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // The cell's value as text: empty for an empty cell, a number in the general format, TRUE or
    // FALSE, an error as it shows (#VALUE!). A formula cell gives its current value.
    QString text(qsizetype row, int column) const;
    Value value(qsizetype row, int column) const;
    // The text a cell holds as it is stored, without a copy: for a text or an empty cell, a
    // formula's included; null for a number, TRUE or FALSE or an error, whose text is made.
    const QString* storedText(qsizetype row, int column) const;
    // Nothing in it: no value and no formula.
    bool isEmpty(qsizetype row, int column) const;
    bool isNumber(qsizetype row, int column) const;
    bool isError(qsizetype row, int column) const;
    bool isFormula(qsizetype row, int column) const;
    FormulaPointer formula(qsizetype row, int column) const;
    CellContent content(qsizetype row, int column) const;
    // What editing the cell starts from: its formula, or a text as it would be typed to get it
    // back ("'=draft" for the text "=draft").
    QString inputText(qsizetype row, int column) const;

    // What became of a put.
    struct PutOutcome
    {
        bool stored = true;
        QString problem; // why a formula was not taken, in Chinese
    };
    // A put as a spreadsheet takes typing: one leading "'" marks text and is not part of the
    // value; "=" followed by more is a formula, except in a column that keeps typed text as text.
    // A formula that cannot be read is not stored.
    PutOutcome put(qsizetype row, int column, const QString& input);
    // Stores the text exactly as given.
    void setText(qsizetype row, int column, const QString& text);
    void setNumber(qsizetype row, int column, double number);
    void setValue(qsizetype row, int column, const Value& value);
    // Puts the formula into the cell; a formula is shared by every cell it is filled into.
    void setFormula(qsizetype row, int column, FormulaPointer formula);
    void setContent(qsizetype row, int column, const CellContent& content);
    void clearCell(qsizetype row, int column);

    // Empties every cell: values, formulas, cell formats, column fonts and formats, row marks.
    void clear();
    // Empties every cell and drops every format (cell looks, column fonts, widths and formats,
    // row marks) in one batch. Unlike clear(), the cells are emptied one by one, as edits: a sheet
    // that records edits keeps their contents as one step, which an undo brings back.
    void clearAsEdit();
    // As clearAsEdit(), but the cells keep(row, column) names keep their contents: for a table
    // about to be written over them, whose cells would otherwise be emptied only to be filled.
    void clearAsEditExcept(const std::function<bool(qsizetype row, int column)>& keep);

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

    // Where NOW and TODAY take the time from; the system clock without one.
    void setClock(std::function<QDateTime()> now);
    // Who answers FILEINFO; without one it gives #N/A.
    void setFileInfoProvider(const FileInfoProvider* provider);
    // Calculates the formulas of these cells again, and what reads them, as when a cell they
    // read changes: for what changes outside the sheet, such as a file's facts read meanwhile.
    // Cells without a formula are passed over.
    void recalculate(std::span<const CellAddress> cells);
    struct CalculatedValue
    {
        CellAddress cell;
        FormulaValue value;
    };
    // Gives formula cells the values their formulas come to now, without calculating them: for
    // an answer from outside the sheet that is a formula's whole value, such as the fact a
    // =FILEINFO("size") waited for. What reads the cells is recalculated as after any change;
    // cells without a formula are passed over.
    void setCalculatedValues(std::span<const CalculatedValue> values);
    // Whether the changes of each batch are kept as steps for an undo (see SheetObserver).
    void setRecordingEdits(bool recording);
    // Swaps the cells of the edit with the sheet's own: applied to a step's edit, undoes it; applied
    // again, redoes it. Not recorded as a step of its own.
    void swapContents(SheetEdit& edit);

    void setObserver(SheetObserver* observer);

    // Holds back notifications and recalculation until the outermost batch ends, then sends one
    // per kind, and the step of changes for an undo.
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
    friend class SheetCalculation;
    friend class ColumnWriter;
    friend class ColumnRefill;

    struct CellStyle
    {
        bool bold = false;
        std::optional<Rgb> color;
    };
    using CellKey = std::pair<qsizetype, int>;

    const SheetColumn* column(int column) const;
    SheetColumn& writableColumn(int column);
    // Keeps what the cell held before, for the step's undo, once per step.
    void remember(qsizetype row, int column, const CellContent& before);
    // Keeps the whole column as it was before the step, for the step's undo: for a column about
    // to be rewritten over most of its rows.
    void rememberColumn(int column);
    // Puts the cells in place of the column's, and the column's into cells.
    void swapColumn(int column, SheetColumn& cells);
    // Puts the cells in place of the column's as a change, kept for the undo.
    void replaceColumn(int column, SheetColumn cells);
    // Tells the observer that the batch will keep about that many cells for the undo.
    void willKeep(qsizetype cells);
    static bool isInside(qsizetype row, int column)
    {
        return row >= 1 && row <= MaxRows && column >= 1 && column <= MaxColumns;
    }
    void noteContentChanged(qsizetype row, int column, bool formulaChanged);
    // Keeps the count of used rows right after a cell of the row came to hold a value or not.
    void noteRowHolds(qsizetype row, bool holdsValue);
    void noteCellsChanged(const CellRange& range);
    void noteColumnFormatChanged();
    void clearContents(const std::function<bool(qsizetype row, int column)>& keep);
    void clearFormats();
    void resetLooks();
    void endBatch();
    void finishChanges();

    std::vector<SheetColumn> m_columns; // m_columns[column - 1]
    mutable qsizetype m_usedRows = 0;
    mutable bool m_usedRowsStale = false;
    std::map<CellKey, CellStyle> m_cellStyles;
    double m_fontSize = DefaultFontSize;
    std::map<int, double> m_columnFontSizes;
    std::map<int, double> m_columnWidths;
    std::map<int, bool> m_textColumns;
    std::map<qsizetype, QString> m_rowMarks;

    std::unique_ptr<SheetCalculation> m_calculation;

    bool m_recording = false;
    SheetEdit m_edit;       // the step under way
    KeptCells m_remembered; // the cells the step has kept already

    SheetObserver* m_observer = nullptr;
    int m_batchDepth = 0;
    CellRange m_pendingCells;
    bool m_pendingClear = false;
    bool m_pendingColumnFormat = false;
};
