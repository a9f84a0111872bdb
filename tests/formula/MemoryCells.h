#pragma once

#include "formula/FormulaContext.h"

#include <map>

// Cells held in memory, named as in a formula ("B2"), with a fixed clock. Ranges are walked
// over the cells held, as a sheet walks them.
class MemoryCells : public FormulaContext
{
public:
    void set(const char* name, const FormulaValue& value);
    void setNow(const QDateTime& now) { m_now = now; }
    void setFileInfoProvider(const FileInfoProvider* provider) { m_provider = provider; }
    // How many cells the formulas asked for one by one.
    int cellReads() const { return m_reads; }

    FormulaValue cellValue(qsizetype row, int column) const override;
    void visitCells(const CellRange& range, CellVisitor& visitor) const override;
    QDateTime currentDateTime() const override { return m_now; }
    const FileInfoProvider* fileInfoProvider() const override { return m_provider; }

private:
    std::map<std::pair<qsizetype, int>, FormulaValue> m_cells;
    QDateTime m_now{QDate(2026, 12, 8), QTime(9, 30)};
    const FileInfoProvider* m_provider = nullptr;
    mutable int m_reads = 0;
};
