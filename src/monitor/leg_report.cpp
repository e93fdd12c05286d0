#include "monitor/leg_report.h"

#include "core/date_text.h"
#include "core/number_text.h"
#include "monitor/tfh_state.h"

namespace aerotrace {
namespace {

std::string wholeLitres(double litres) { return std::to_string(roundHalfEven(litres)); }

}  // namespace

LegReport makeLegReport(const TfHState& s, const oLeg& leg, std::int32_t total) {
  const FlightData& fd = s.flightData;
  LegReport r;
  r.total = total;
  r.points = std::to_string(total);
  r.block = total < leg.Points;
  r.fuelStart = wholeLitres(s.fuelAtStart);
  r.fuelUsed = wholeLitres(s.fuelUsed);
  r.fuelEnd = wholeLitres(s.fuelAtEnd);
  r.date = formatDayMonthYear(s.depDate);
  r.plane = fd.aircraftTitle;
  r.dep = leg.Dep;
  r.arr = leg.Dest;
  r.depTime = formatHourMinute(s.depTime);
  r.arrTime = formatHourMinute(s.arrTime);
  r.gMin = formatFixed(fd.gMin, 3);
  r.gMax = formatFixed(fd.gMax, 3);
  r.gTouch = formatFixed(s.gTouchdown, 3);
  for (const oLegDet& cp : s.checkpoints) {
    r.rows.push_back({cp.Descr, cp.Result, std::to_string(cp.Points)});
  }
  return r;
}

}  // namespace aerotrace
