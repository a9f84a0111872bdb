#include "workbook/SharedFormulas.h"

#include "formula/Formula.h"
#include "workbook/ImportedTable.h"

#include <memory>

void SharedFormulas::addMaster(int index, const QString& formula, CellAddress host)
{
    m_masters.try_emplace(index, Master{formula, host});
}

void SharedFormulas::addDependent(int index, qsizetype cellIndex, CellAddress host)
{
    m_dependents.push_back({index, cellIndex, host});
}

void SharedFormulas::expand(ImportedTable& table)
{
    // Each master is parsed once, when its first dependent needs it.
    std::unordered_map<int, std::shared_ptr<const Formula>> parsed;
    for (const Dependent& dependent : m_dependents) {
        auto [at, added] = parsed.try_emplace(dependent.index);
        if (added) {
            const auto master = m_masters.find(dependent.index);
            if (master != m_masters.end())
                at->second = Formula::parse(master->second.formula, master->second.host).formula;
        }
        if (at->second)
            table.setFormula(dependent.cellIndex, at->second->text(dependent.host));
        else
            table.noteFormulaLeftOut(dependent.host);
    }
}
