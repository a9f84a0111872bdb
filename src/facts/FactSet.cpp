#include "facts/FactSet.h"

void FactSet::add(FileFact fact, std::optional<FactValue> value)
{
    if (value)
        m_facts.append({fact, std::move(*value)});
}

std::optional<FactValue> FactSet::value(FileFact fact) const
{
    for (const auto& [kept, value] : m_facts)
        if (kept == fact)
            return value;
    return std::nullopt;
}
