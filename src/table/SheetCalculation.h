#pragma once

#include "formula/CellAddress.h"
#include "formula/FormulaValue.h"
#include "table/CellRange.h"
#include "table/SheetColumn.h"

#include <QDateTime>
#include <QHash>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FileInfoProvider;
class Formula;
class Sheet;

// The formulas of a sheet. Cells that hold the same formula share one parsed form; an index
// knows, for each column, which blocks of formula cells read it, so a change recalculates only
// the formulas that depend on it, directly or through others, each after what it reads. A
// formula that reads its row's file (FILEINFO) reads the row's folder, name and extension
// cells as well. A circle of references gives its cells #REF! instead of hanging.
class SheetCalculation
{
public:
    struct Outcome
    {
        CellRange recalculated;
        std::optional<CellAddress> circular; // a cell of a circle of references found
    };

    explicit SheetCalculation(Sheet& sheet);
    ~SheetCalculation();

    // The formula already held by another cell when it is the same one, else this one.
    SheetColumn::FormulaPointer share(const SheetColumn::FormulaPointer& formula);
    // Notes a changed cell; formulaChanged when its formula came, went or became another.
    void cellChanged(CellAddress cell, bool formulaChanged);
    // Notes the value a formula cell came to outside a calculation, which is kept: the cell is
    // not calculated again (unless something it reads changed too), only what reads it.
    void cellCalculated(CellAddress cell, const FormulaValue& value);
    void clear();
    // Recalculates what the changes noted since the last time reach.
    Outcome recalculate();

    void setClock(std::function<QDateTime()> now);
    void setFileInfoProvider(const FileInfoProvider* provider);

private:
    class Context;
    class Pass;

    // Consecutive cells of one column holding one formula.
    struct Block
    {
        const Formula* formula = nullptr;
        int column = 0;
        qsizetype first = 0;
        qsizetype last = 0;
    };
    // A reference of a block's formula that may read a column.
    struct Reader
    {
        quint32 block = 0;
        quint32 reference = 0;
    };

    void rebuildIndex();

    Sheet& m_sheet;
    std::function<QDateTime()> m_now;
    const FileInfoProvider* m_fileInfo = nullptr;

    QHash<size_t, std::vector<std::weak_ptr<const Formula>>> m_shared; // by the formula's hash

    bool m_mayHaveFormulas = false;
    bool m_indexStale = false;
    std::vector<Block> m_blocks;
    std::vector<std::vector<Reader>> m_readers; // by the column read, from column 1
    std::vector<quint32> m_volatileBlocks;
    std::vector<quint32> m_fileBlocks; // blocks whose formula reads its row's file
    std::vector<CellAddress> m_changed;
    std::vector<CellAddress> m_calculated; // cells whose new values came from outside
};
