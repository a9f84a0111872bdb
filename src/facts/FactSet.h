#pragma once

#include "facts/FactValue.h"
#include "facts/FileFact.h"

#include <QList>
#include <optional>
#include <utility>

// The facts one reader found in a file: only those the file has, a handful at most, so a
// list is smaller than a slot for every fact would be in a cache of 100,000 files.
class FactSet
{
public:
    // Keeps a fact the file has (each one once); one it lacks is left out.
    void add(FileFact fact, std::optional<FactValue> value);
    std::optional<FactValue> value(FileFact fact) const;
    bool isEmpty() const { return m_facts.isEmpty(); }

private:
    QList<std::pair<FileFact, FactValue>> m_facts;
};
