#pragma once

// The monitor tick: one look at the flight-data block per turn of the
// monitor cycle. With a leg active it judges the flight and detects the
// arrival; without one it keeps the leg panel current and offers the legs
// of the airport where the aircraft has stopped.

#include <string>

#include "monitor/monitor_context.h"

namespace aerotrace {

inline constexpr double kAddedFuelLimitLitres = 25;
inline constexpr double kAirportReleaseKnots = 40;
inline constexpr double kStopKnots = 4;
inline constexpr double kTrackSpacingMiles = 3;
inline constexpr std::int64_t kTrackIntervalSeconds = 180;

// The timer handler's work between disabling the timer and starting the
// pass: the link lamp, then one tick.
void timerHandlerWork(MonitorContext& m);

void monitorTick(MonitorContext& m);

// The leg panel's fuel figure: fuel on board in the unit shown, whole.
std::string fuelFigure(const TfHState& s);

// Sets airportIcao and airportName to the nearest airport closer than 5
// miles; leaves both as they are when there is none.
void lookUpNearestAirport(TfHState& s);

// Scores the leg, takes the arrival figures and shows the report.
void legEnd(MonitorContext& m);

}  // namespace aerotrace
