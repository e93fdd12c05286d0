#pragma once

#include <cstdint>
#include <string>

#include "core/leg_result_row.h"
#include "core/records.h"
#include "monitor/tfh_state.h"

namespace aerotrace {

// The result of the finished leg `leg` (the selected one) with the report's
// total `points`, from the state as it is now: the leg id is the started
// leg's, the loads and the aircraft title the flight-data block's.
LegResult legResultOf(const TfHState& s, const oLeg& leg, std::int32_t points);

}  // namespace aerotrace
