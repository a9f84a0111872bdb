#pragma once

#include "rename/RenameOperation.h"

#include <initializer_list>
#include <memory>
#include <vector>

// The steps of one pass, fixed once planned and shared: the record of what a run did refers to
// the steps it carried out instead of copying their paths, so a run over a million rows does
// not hold every path twice while it works.
class RenameSteps
{
public:
    RenameSteps() = default;
    RenameSteps(std::vector<RenameOperation> steps)
        : m_steps(std::make_shared<const std::vector<RenameOperation>>(std::move(steps)))
    {
    }
    RenameSteps(std::initializer_list<RenameOperation> steps)
        : RenameSteps(std::vector<RenameOperation>(steps))
    {
    }

    const std::vector<RenameOperation>& all() const { return m_steps ? *m_steps : none(); }
    qsizetype size() const { return qsizetype(all().size()); }
    bool empty() const { return all().empty(); }
    auto begin() const { return all().begin(); }
    auto end() const { return all().end(); }
    const RenameOperation& operator[](qsizetype i) const { return all()[size_t(i)]; }
    // Whether both hold the very same steps.
    bool isSameListAs(const RenameSteps& other) const { return m_steps == other.m_steps; }

private:
    static const std::vector<RenameOperation>& none()
    {
        static const std::vector<RenameOperation> empty;
        return empty;
    }

    std::shared_ptr<const std::vector<RenameOperation>> m_steps;
};
