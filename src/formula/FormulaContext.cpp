#include "formula/FormulaContext.h"

#include "formula/CellVisitor.h"

void FormulaContext::visitCells(const CellRange& range, CellVisitor& visitor) const
{
    for (qsizetype row = range.top; row <= range.bottom; ++row)
        for (int column = range.left; column <= range.right; ++column) {
            const FormulaValue value = cellValue(row, column);
            if (!value.isEmpty() && !visitor.visit({row, column}, value))
                return;
        }
}
