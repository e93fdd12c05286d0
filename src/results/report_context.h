#pragma once

#include <cstdint>
#include <functional>

#include "core/document_opener.h"
#include "monitor/monitor_cycle.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "results/result_store.h"
#include "tours/tour_data.h"

namespace aerotrace {

// What the report window's handlers work on: the main window's state, the
// data module, what the pilot sees, the browser, and the monitor cycle that
// closing the report sets going again. The report window (or the replay)
// holds one for as long as it lives.
struct ReportContext {
  TfHState& state;
  TfD& data;
  View& view;
  DocumentOpener& opener;
  MonitorCycle& cycle;
  // The time the cycle's driver counts in, for re-arming its timer.
  std::function<std::int64_t()> nowMs;
  // The total in the report's points box, as the leg end computed it.
  std::int32_t points = 0;
  StoreOptions store;
};

}  // namespace aerotrace
