#include "monitor/monitor_tick.h"

#include <exception>
#include <vector>

#include "core/distance.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "monitor/checkpoint_evaluation.h"
#include "monitor/leg_keeping.h"
#include "monitor/leg_panel.h"
#include "monitor/output.h"

namespace aerotrace {
namespace {

bool stoppedOnGround(const FlightData& fd) {
  return fd.groundSpeed < kStopKnots && static_cast<bool>(fd.onGround);
}

void retractAndShrink(View& view) {
  view.retractPanel();
  view.setWindowSize(view.panelGeometry().bar);
}

// True when a sample was taken.
bool takeTrackSample(TfHState& s, const Clock& clock) {
  const FlightData& fd = s.flightData;
  const double moved =
      distanceMiles(fd.latitude, fd.longitude, s.lastSampleLatitude, s.lastSampleLongitude);
  const DateTime now = clock.localNow();
  if (!(moved > kTrackSpacingMiles) ||
      wholeSecondsBetween(s.lastSampleTime, now) <= kTrackIntervalSeconds) {
    return false;
  }
  oRoute sample;
  sample.Latitude = fd.latitude;
  sample.Longitude = fd.longitude;
  sample.Alt = roundHalfEven(fd.altitude);
  sample.GrndSp = roundHalfEven(fd.groundSpeed);
  sample.Hdg = roundHalfEven(fd.heading);
  sample.QNH = std::to_string(roundHalfEven(fd.qnh));
  s.track.push_back(std::move(sample));
  s.lastSampleLatitude = fd.latitude;
  s.lastSampleLongitude = fd.longitude;
  s.lastSampleTime = now;
  return true;
}

void legSteps(MonitorContext& m) {
  TfHState& s = m.s;
  const FlightData& fd = s.flightData;

  // L1
  const bool hadTouchdown = static_cast<bool>(s.touchdownCaptured);
  takeTouchdownLoad(s);
  if (!hadTouchdown && s.touchdownCaptured) m.view.touchdownTaken(s.gTouchdown);

  // L2: fuel added in flight ends the leg; a reading of 0 is no reading.
  if (s.lastFuel + kAddedFuelLimitLitres < fd.fuelTotal) {
    s.legActive = false;
    m.view.legAbandoned();
    journalLegAbandoned(m);
    if (s.speechEnabled) speakText(s, msg::kFuelAdded);
  } else if (fd.fuelTotal > 0) {
    s.lastFuel = fd.fuelTotal;
  }

  // L3: arrival is armed only once the aircraft has really moved.
  if (fd.groundSpeed > kAirportReleaseKnots) s.airportIcao.clear();

  // L4
  std::vector<bool> doneBefore;
  doneBefore.reserve(s.checkpoints.size());
  for (const oLegDet& cp : s.checkpoints) doneBefore.push_back(static_cast<bool>(cp.Done));
  evaluateCheckpoints(s, m.clock, m.view);
  bool outcome = false;
  for (std::size_t i = 0; i < s.checkpoints.size() && i < doneBefore.size(); ++i) {
    if (!doneBefore[i] && s.checkpoints[i].Done) {
      m.view.checkpointDone(i, s.checkpoints[i]);
      outcome = true;
    }
  }

  // L5
  const bool sampled = takeTrackSample(s, m.clock);
  journalDuringLeg(m, outcome || sampled);

  // L6: a position of exactly 0, 0 is no simulator data yet.
  if (!stoppedOnGround(fd) || !s.airportIcao.empty()) return;
  if (!s.airports.empty() && !(fd.latitude == 0 && fd.longitude == 0)) lookUpNearestAirport(s);
  const oLeg* leg = s.selectedLeg();
  if (leg != nullptr && s.airportIcao == leg->Dest) legEnd(m);
}

void idleSteps(MonitorContext& m) {
  TfHState& s = m.s;
  View& view = m.view;
  const FlightData& fd = s.flightData;

  // I1
  const PanelGeometry g = view.panelGeometry();
  if (g.panel.height > g.window.height) {
    view.setWindowSize({g.window.width, g.panel.height + g.bar.height});
  }

  // I2
  if (fd.fuelTotal != s.lastFuel) {
    view.setFuelFigure(fuelFigure(s));
    s.lastFuel = fd.fuelTotal;
    refreshLegDisplay(s, view);
  }

  // I3
  if (!stoppedOnGround(fd)) {
    s.airportIcao.clear();
    if (!panelRetracted(view.panelGeometry())) retractAndShrink(view);
    return;
  }

  // I4: once per stop at an airport.
  if (!s.airportIcao.empty()) return;
  s.legIndex = 0;
  if (!s.airports.empty()) lookUpNearestAirport(s);
  if (s.airportIcao.empty()) {
    if (!panelRetracted(view.panelGeometry())) retractAndShrink(view);
    return;
  }
  const PanelGeometry now = view.panelGeometry();
  view.setWindowSize({now.panel.width, now.panel.height + now.bar.height});
  view.extendPanel();
  view.setAirportLabels(s.airportName, s.airportIcao);
  view.setFuelFigure(fuelFigure(s));
  try {
    loadLegs(s, m.d, view);
  } catch (const std::exception& e) {
    // Whatever the data layer raises past the leg load's own handling is
    // shown, and the cycle goes on.
    view.showError(e.what());
  }
}

}  // namespace

std::string fuelFigure(const TfHState& s) {
  return formatFixed(s.flightData.fuelTotal * s.fuelFactor(), 0);
}

void lookUpNearestAirport(TfHState& s) {
  const FlightData& fd = s.flightData;
  const auto found = s.airports.nearest(fd.latitude, fd.longitude);
  if (!found) return;
  const oAirPort& airport = s.airports[*found];
  s.airportIcao = airport.Icao;
  s.airportName = airport.Name;
}

void timerHandlerWork(MonitorContext& m) {
  m.view.setLinkLamp(m.s.flightData.simConnected);
  if (m.s.keeping.toResume) resumeWhenSimReady(m);
  monitorTick(m);
}

void monitorTick(MonitorContext& m) {
  m.view.setAircraftLabel(m.s.flightData.aircraftTitle);
  if (m.s.legActive) {
    legSteps(m);
  } else {
    idleSteps(m);
  }
}

void legEnd(MonitorContext& m) {
  TfHState& s = m.s;
  const oLeg* leg = s.selectedLeg();
  if (leg == nullptr) return;
  const std::int32_t total = scoreCheckpoints(s.checkpoints, leg->MaxPoints);
  // The pass that follows this tick enables the timer again.
  if (m.disableTimer) m.disableTimer();
  s.arrTime = m.clock.utcNow();
  s.fuelAtEnd = s.flightData.fuelTotal;
  s.fuelUsed = s.fuelAtStart - s.fuelAtEnd;
  const LegReport report = makeLegReport(s, *leg, total);
  // Kept before the pilot sees it, so that nothing shown can be lost.
  keepFinishedLeg(m, total, report.block);
  m.view.showReport(report);
}

}  // namespace aerotrace
