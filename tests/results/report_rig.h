#pragma once

// A finished leg waiting in its report, with everything the report's
// handlers touch: the state, the data module on a test database, a
// recording view and opener, and a monitor cycle whose passes the test ends.

#include <cstdint>
#include <string>
#include <vector>

#include "db/driver.h"
#include "monitor/monitor_cycle.h"
#include "monitor/tfh_state.h"
#include "report_fakes.h"
#include "results/report_context.h"
#include "tours/tour_data.h"

namespace aerotrace::testing {

// The leg as the leg list holds it: the demo's Innsbruck - Munich.
inline oLeg innsbruckMunich() {
  oLeg leg;
  leg.Id = 1;
  leg.Descr = "1) Innsbruck - Munich";
  leg.Dep = "LOWI";
  leg.Dest = "EDDM";
  leg.Route = "LOWI KUFSTEINROSENHEIM hold EDDM";
  leg.MaxFuel = 5000;
  leg.Points = 20;
  leg.MaxPoints = 30;
  leg.TourId = 1;
  leg.TourName = "Alpine Hops";
  leg.TourLink = "https://tours.example.org/alpine-hops";
  return leg;
}

inline std::vector<oRoute> trackOf(std::size_t samples, double startLatitude = 47.26) {
  std::vector<oRoute> track;
  for (std::size_t i = 0; i < samples; ++i) {
    oRoute p;
    p.Latitude = startLatitude + 0.05 * static_cast<double>(i);
    p.Longitude = 11.35 + 0.01 * static_cast<double>(i);
    p.Alt = 3000 + static_cast<std::int32_t>(i) * 100;
    p.GrndSp = 140 + static_cast<std::int32_t>(i);
    p.Hdg = 10 + static_cast<std::int32_t>(i);
    p.QNH = std::to_string(1013 - static_cast<int>(i % 10));
    track.push_back(p);
  }
  return track;
}

// The state as the leg end leaves it at the destination.
inline void finishLeg(TfHState& s, const oLeg& leg, std::size_t samples) {
  s.vid = "123456";
  s.legs = {leg};
  s.legIndex = 0;
  s.airportIcao = leg.Dest;
  s.legActive = true;
  s.activeLegId = leg.Id;
  s.track = trackOf(samples);
  s.depDate = encode({2026, 5, 1, 8, 15, 42, 0});
  s.depTime = s.depDate;
  s.arrTime = encode({2026, 5, 1, 9, 2, 10, 0});
  s.fuelAtStart = 900;
  s.fuelAtEnd = 640.64;
  s.fuelUsed = 259.36;
  s.gTouchdown = 0.25;
  s.flightData.gMax = 2;
  s.flightData.gMin = -0.5;
  s.flightData.aircraftTitle = "Cessna Skyhawk 172SP";
}

struct ReportRig {
  explicit ReportRig(const std::string& url, std::int32_t points = 25)
      : data(url),
        cycle({[this] { ++ticks; }, [this] { ++launched; }, {}}),
        context{state, data, view, opener, cycle, [this] { return now; }, points, {}} {
    finishLeg(state, innsbruckMunich(), 12);
  }

  TfHState state;
  TfD data;
  ReportView view;
  RecordingOpener opener;
  int ticks = 0;
  int launched = 0;  // passes started; each stays running until passEnded
  MonitorCycle cycle;
  std::int64_t now = 5000;
  ReportContext context;
};

}  // namespace aerotrace::testing
