#pragma once

#include <cstdint>
#include <vector>

#include "core/clock.h"
#include "core/records.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"

namespace aerotrace {

// Takes the touchdown load once, on the first leg tick after the last
// checkpoint of the list became the most recently captured one (at once for
// a leg without checkpoints).
void takeTouchdownLoad(TfHState& s);

// Captures and judges the checkpoints for the aircraft's position and runs
// the wait of a waiting checkpoint, announcing each message. The title label
// doubles as the wait countdown.
void evaluateCheckpoints(TfHState& s, const Clock& clock, View& view);

// Marks every checkpoint never captured "Missed." and totals the points of
// those passed, capped at maxPoints after each checkpoint.
std::int32_t scoreCheckpoints(std::vector<oLegDet>& checkpoints, std::int32_t maxPoints);

}  // namespace aerotrace
