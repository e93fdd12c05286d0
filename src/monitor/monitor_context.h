#pragma once

#include <functional>

#include "core/clock.h"
#include "monitor/tfh_state.h"
#include "monitor/view.h"
#include "tours/tour_data.h"

namespace aerotrace {

// What the main window's handlers work on: its state, the data module, the
// clock, what it shows, and a way to disable the monitor timer.
struct MonitorContext {
  TfHState& s;
  TfD& d;
  const Clock& clock;
  View& view;
  std::function<void()> disableTimer;  // Timer1; may be empty
};

}  // namespace aerotrace
