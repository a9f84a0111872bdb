#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaParseResult.h"
#include "formula/FormulaProgram.h"
#include "formula/FormulaValue.h"

#include <QString>
#include <span>

class FormulaContext;

// A parsed formula. It never changes once parsed, so the cells of a column filled from one
// formula share one: its relative references are held as distances from the cell holding it,
// and each of its answers takes that cell (the host) as an argument.
class Formula
{
public:
    // Reads text typed into the cell at host, "=" included, as "=LEFT(B2,3)".
    static FormulaParseResult parse(const QString& text, CellAddress host);

    // The formula's value in the cell at host. A formula that gives an empty cell's value gives
    // 0, as a cell holding =A1 shows 0 for an empty A1.
    FormulaValue evaluate(const FormulaContext& context, CellAddress host) const;

    // As the formula bar of the cell at host shows it: =LEFT(B5,3) in row 5 for =LEFT(B2,3)
    // typed into row 2; a reference that falls off the sheet there shows as #REF!.
    QString text(CellAddress host) const;
    // As a workbook file stores it: newer functions carry their "_xlfn." prefix.
    QString workbookText(CellAddress host) const;
    // Whether spreadsheet applications can calculate it: it calls none of the program's own
    // functions (FILEINFO).
    bool isPortable() const;

    // What the formula reads, each cell or range once; see FormulaReference for their cells at
    // a host and for the hosts a changed cell reaches.
    std::span<const FormulaReference> references() const { return m_program.references; }

    // Whether its value can change with no cell changing: TODAY, NOW.
    bool isVolatile() const { return m_program.isVolatile; }
    // Whether it reads the file its row names (FILEINFO): the row's folder, name and extension
    // are read implicitly, and the file's facts may come in after the formula was calculated.
    bool readsOwnFile() const { return m_program.readsOwnFile; }
    // Whether the formula is one call of a function with every argument written out, as
    // =FILEINFO("size"): its value is whatever the function answers, so an answer that arrives
    // from outside the sheet is the formula's value as it stands.
    bool isCallOfConstants() const;

    explicit Formula(FormulaProgram program) : m_program(std::move(program)) {}

    // Two formulas are the same when they read the same cells relative to their own cell and do
    // the same with them: =LEFT(B2,3) typed in C2 and =LEFT(B9,3) typed in C9 are one formula.
    friend bool operator==(const Formula& a, const Formula& b) { return a.m_program == b.m_program; }
    friend size_t qHash(const Formula& formula, size_t seed);

private:
    FormulaProgram m_program;
};

size_t qHash(const Formula& formula, size_t seed = 0);
