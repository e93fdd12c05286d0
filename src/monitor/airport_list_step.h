#pragma once

// The show handling's airport list. A file that is there but cannot be read
// (a folder of that name, no permission) counts as a missing one, so the
// start goes on; the pilot is told, since no airport will ever be found.

#include <filesystem>

#include "monitor/tfh_state.h"
#include "monitor/view.h"

namespace aerotrace {

inline constexpr const char* kAirportsUnreadable = "airports.csv cannot be read";

void loadAirportsAtStart(TfHState& s, const std::filesystem::path& file, View& view);

}  // namespace aerotrace
