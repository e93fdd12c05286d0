#pragma once

#include <string>
#include <vector>

namespace aerotrace {

// A short account, for people, of each leg in an event log: its
// checkpoints, its points and the verdict. Lines that are not events are
// ignored.
std::string legSummary(const std::vector<std::string>& lines);

}  // namespace aerotrace
