#include "formula/FunctionCatalog.h"

#include "formula/FunctionGroups.h"

#include <vector>

namespace {

const std::vector<FormulaFunction>& catalog()
{
    static const std::vector<FormulaFunction> functions = [] {
        std::vector<FormulaFunction> all;
        for (std::span<const FormulaFunction> group :
             {textFunctions(), searchFunctions(), characterFunctions(), joinFunctions(), regexFunctions(),
              logicalFunctions(), mathFunctions(), aggregateFunctions(), referenceFunctions(),
              dateFunctions(), fileInfoFunctions()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return functions;
}

} // namespace

std::span<const FormulaFunction> FunctionCatalog::all()
{
    return catalog();
}

const FormulaFunction& FunctionCatalog::function(quint32 index)
{
    return catalog()[index];
}

std::optional<quint32> FunctionCatalog::find(QStringView name)
{
    const std::vector<FormulaFunction>& functions = catalog();
    for (size_t i = 0; i < functions.size(); ++i)
        if (functions[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return quint32(i);
    return std::nullopt;
}
