#pragma once

#include "formula/FormulaError.h"
#include "table/ColumnTexts.h"

#include <QString>
#include <map>
#include <memory>
#include <variant>
#include <vector>

class Formula;

// The cells of one column, 0-based. Most columns hold only text, so a cell costs its text's place
// in ColumnTexts; the numbers, kinds and formulas of a column that has any live beside the texts. A formula
// cell keeps its current value in the same places a plain cell keeps its own.
// The cells from the top are held side by side while at least half of them hold something; a
// cell far below the rest (row 1,048,576 of an otherwise short column) is held on its own, so a
// sheet costs what its cells cost, never the rectangle around them.
class SheetColumn
{
public:
    using Value = std::variant<std::monostate, double, QString, bool, FormulaError>;
    using FormulaPointer = std::shared_ptr<const Formula>;

    // A column of the texts, held side by side; held counts those not empty.
    static SheetColumn ofTexts(ColumnTexts texts, qsizetype held);

    // The index after the last cell stored.
    qsizetype size() const;
    bool holds(qsizetype i) const;
    bool isNumber(qsizetype i) const { return kind(i) == Kind::Number; }
    bool isError(qsizetype i) const { return kind(i) == Kind::Error; }
    // A text or an empty cell.
    bool isText(qsizetype i) const { return kind(i) == Kind::Text; }
    // Valid until the column is next written to.
    const QString& text(qsizetype i) const;
    double number(qsizetype i) const;
    Value value(qsizetype i) const;
    // The formula of the cell, or null.
    const FormulaPointer& formula(qsizetype i) const;
    bool hasFormulas() const { return !m_formulas.empty() || m_farFormulas > 0; }
    // No cell holds a number, TRUE or FALSE, an error or a formula, and none is held on its own.
    bool holdsTextsOnly() const;

    void reserve(qsizetype size);
    // Stores the value, growing the column to hold index i; the cell's formula stays. An empty
    // text is an empty cell.
    void setValue(qsizetype i, const Value& value);
    void setText(qsizetype i, QString text);
    void setNumber(qsizetype i, double number) { setValue(i, number); }
    // Sets or removes the cell's formula; its value is set apart.
    void setFormula(qsizetype i, FormulaPointer formula);
    // Empties the cell, formula included.
    void clear(qsizetype i);

    // The index after the last cell that holds something, looking no further than limit.
    qsizetype usedSize(qsizetype limit) const;

    // Calls visit(i) for each cell holding a value or a formula, from the top.
    template <typename Visit> void forEachHeld(Visit&& visit) const
    {
        for (qsizetype i = 0; i < denseSize(); ++i)
            if (holdsAnything(i))
                visit(i);
        for (const auto& [i, cell] : m_far)
            visit(i);
    }

private:
    enum class Kind : quint8
    {
        Text, // also an empty cell: its text is empty
        Number,
        Boolean,
        Error,
    };
    // A cell held on its own, below the cells held side by side.
    struct FarCell
    {
        QString text;
        double number = 0;
        Kind kind = Kind::Text;
        FormulaPointer formula;
    };

    qsizetype denseSize() const { return qsizetype(m_texts.size()); }
    Kind kind(qsizetype i) const;
    bool holdsAnything(qsizetype i) const { return holds(i) || formula(i); }
    const FarCell* far(qsizetype i) const;
    // Whether index i belongs with the cells side by side once it holds something; grows them to
    // take it when it does.
    bool placeDense(qsizetype i);
    void setKind(qsizetype i, Kind kind, double number);
    void growTo(qsizetype size);
    void noteHeld(bool before, bool after) { m_held += qsizetype(after) - qsizetype(before); }

    ColumnTexts m_texts;
    std::vector<double> m_numbers;          // sized with m_texts once the column holds anything but text
    std::vector<quint8> m_kinds;            // likewise
    std::vector<FormulaPointer> m_formulas; // sized with m_texts once the column holds a formula
    std::map<qsizetype, FarCell> m_far;     // beyond m_texts, each holding something
    qsizetype m_farFormulas = 0;
    qsizetype m_held = 0; // cells holding a value or a formula
};
