#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records.h"

namespace aerotrace {

// What the leg panel shows for the selected leg. A field left empty
// (std::nullopt) keeps the text it had.
struct LegDisplay {
  std::optional<std::string> tourName;  // lblTourSel
  std::optional<std::string> legName;   // lblLegSel
  std::optional<std::string> fuel;      // Label1: fuel on board in the unit shown
  std::string destination;              // Label10
  std::string maxFuel;                  // Label8: in the unit shown
  std::string minimumPoints;            // Label4
  std::string totalPoints;              // Label13
  std::string route;                    // Memo1
  bool startVisible = false;            // imgStartFl
  bool overloadVisible = false;         // pnlOverl, "FUEL OVERLOAD"

  bool operator==(const LegDisplay&) const = default;
};

// The leg display refresh. Fuel quantities are litres; `factor` turns them
// into the unit shown. START is offered while the fuel on board is within the
// leg's MaxFuel, compared in litres. With no legs, or a selection outside the
// list, the leg fields are cleared and neither START nor "FUEL OVERLOAD" shows.
LegDisplay legDisplay(const std::vector<oLeg>& legs, std::int32_t legIndex, double fuelTotal,
                      double factor);

}  // namespace aerotrace
