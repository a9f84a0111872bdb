#pragma once

#include "rename/RenameOperation.h"

#include <vector>

namespace PlanConflicts {

// Refuses every ready operation whose destination another ready operation also asks for:
// none of them acts, whichever comes first in the table.
void refuseSharedDestinations(std::vector<RenameOperation>& operations);

} // namespace PlanConflicts
