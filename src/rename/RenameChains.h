#pragma once

#include "rename/RenameOperation.h"

#include <vector>

// The order in which renames in place run so that each new name is free when its turn comes.
// Renames that wait for one another form a chain (a to b while b becomes c: b moves first) or
// a cycle (a swap, or a to b, b to c, c to a). Every ready rename belongs to exactly one group;
// most are a group of one.
class RenameChains
{
public:
    struct Group
    {
        // Into order(); a run of a million renames is a million groups, kept in 12 bytes each.
        qint32 begin = 0;
        qint32 end = 0;
        // The first member steps aside to a temporary name, the others run in order, then the
        // first takes its new name.
        bool cycle = false;
    };

    // Refuses the renames that must not act (several rows asking for one new name, or moving
    // one file), then groups the rest. Paths are compared exactly, as the file system does.
    // Linear in the number of renames.
    static RenameChains plan(std::vector<RenameOperation>& renames);

    // Indexes into the renames, group after group, each group in the order its renames run.
    const std::vector<qsizetype>& order() const { return m_order; }
    const std::vector<Group>& groups() const { return m_groups; }

private:
    // next[i]: the rename that has to move its file away before rename i finds its new name
    // free; -1 for none.
    void addChain(const std::vector<qint32>& next, qsizetype start);
    void addCycle(const std::vector<qint32>& next, qsizetype start);

    std::vector<qsizetype> m_order;
    std::vector<Group> m_groups;
};
