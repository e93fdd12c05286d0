#include "tours/leg_display.h"

#include "core/number_text.h"

namespace aerotrace {

LegDisplay legDisplay(const std::vector<oLeg>& legs, std::int32_t legIndex, double fuelTotal,
                      double factor) {
  LegDisplay d;
  if (legIndex < 0 || static_cast<std::size_t>(legIndex) >= legs.size()) return d;
  const oLeg& leg = legs[static_cast<std::size_t>(legIndex)];
  d.legName = leg.Descr;
  d.tourName = leg.TourName;
  d.destination = leg.Dest;
  d.maxFuel = std::to_string(roundHalfEven(leg.MaxFuel * factor));
  d.totalPoints = std::to_string(leg.MaxPoints);
  d.minimumPoints = std::to_string(leg.Points);
  d.fuel = formatFixed(fuelTotal * factor, 0);
  d.route = leg.Route;
  d.startVisible = leg.MaxFuel >= fuelTotal;
  d.overloadVisible = !d.startVisible;
  return d;
}

}  // namespace aerotrace
