#pragma once

#include "formula/CellAddress.h"

#include <QString>

#include <unordered_map>
#include <vector>

class ImportedTable;

// Excel's shared formulas: the first cell of a filled range holds the formula, the others only
// its number. Each of those gets the formula as it reads in its own cell, as the engine renders
// the first cell's formula there (=A2&"x" filled down reads =A3&"x" one row below).
class SharedFormulas
{
public:
    void addMaster(int index, const QString& formula, CellAddress host);
    // The cell at cellIndex of the table, at host, shares formula index.
    void addDependent(int index, qsizetype cellIndex, CellAddress host);
    // Gives each dependent its formula. One whose master the engine cannot read, or that has
    // none, keeps its value and is noted as a formula left out.
    void expand(ImportedTable& table);

private:
    struct Master
    {
        QString formula;
        CellAddress host;
    };
    struct Dependent
    {
        int index;
        qsizetype cellIndex;
        CellAddress host;
    };
    std::unordered_map<int, Master> m_masters;
    std::vector<Dependent> m_dependents;
};
