#pragma once

#include <string>

#include "monitor/monitor_context.h"

namespace aerotrace {

// START on the leg panel: loads the selected leg's checkpoints, resets the
// leg's working state, takes the departure instant and fuel, retracts the
// panel and announces the leg. A failed load shows the error and starts
// nothing; with a leg already active the press does nothing.
void imgStartFlMouseDown(MonitorContext& m);

// "Tour <tour>, leg <leg>", also when the tour is unknown.
std::string legAnnouncement(const oLeg& leg);

}  // namespace aerotrace
