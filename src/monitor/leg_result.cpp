#include "monitor/leg_result.h"

#include "core/number_text.h"

namespace aerotrace {

LegResult legResultOf(const TfHState& s, const oLeg& leg, std::int32_t points) {
  LegResult r;
  r.legId = s.activeLegId;
  r.VID = s.vid;
  r.Descr = leg.Descr;
  r.Dep = leg.Dep;
  r.Dest = leg.Dest;
  r.tour_id = leg.TourId;
  r.Route = leg.Route;
  r.Points = points;
  r.MaxPoints = leg.MaxPoints;
  r.DepDate = s.depDate;
  r.DepTime = s.depTime;
  r.ArrTime = s.arrTime;
  r.GForceMax = formatFixed(s.flightData.gMax, 3);
  r.GForceMin = formatFixed(s.flightData.gMin, 3);
  r.GForceLnd = formatFixed(s.gTouchdown, 3);
  r.FuelUsed = formatFixed(s.fuelUsed, 1);
  r.AirPlane = s.flightData.aircraftTitle;
  return r;
}

}  // namespace aerotrace
