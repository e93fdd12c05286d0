#pragma once

#include <string>

#include "tours/leg_display.h"

namespace aerotrace {

// What the monitor shows the pilot. The Qt windows implement it, and so does
// the event log that the replay prints.
class View {
 public:
  virtual ~View() = default;

  // The bar's title label, which doubles as the wait countdown.
  virtual std::string title() const = 0;
  virtual void setTitle(const std::string& text) = 0;

  // A modal message; returns once the pilot has dismissed it.
  virtual void showMessage(const std::string& text) = 0;
  // The leg panel's fields for the selected leg.
  virtual void showLegDisplay(const LegDisplay& display) = 0;
  // Both unit labels of the leg panel, beside the fuel and the leg's limit.
  virtual void setFuelUnitLabels(const std::string& label) = 0;
};

}  // namespace aerotrace
