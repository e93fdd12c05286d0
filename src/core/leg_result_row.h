#pragma once

#include <cstdint>
#include <string>

#include "core/datetime.h"

namespace aerotrace {

// The values of one result row of LegRdy, in the order the upload sets them,
// already in the forms stored. Texts are cut to their columns when written.
struct LegResult {
  std::int32_t legId = 0;
  std::string VID;
  std::string Descr;
  std::string Dep;
  std::string Dest;
  std::int32_t tour_id = 0;
  std::string Route;
  std::int32_t Points = 0;
  std::int32_t MaxPoints = 0;
  DateTime DepDate = 0;   // UTC; only the date is stored
  DateTime DepTime = 0;   // UTC; only the time of day is stored
  DateTime ArrTime = 0;   // UTC; only the time of day is stored
  std::string GForceMax;  // "0.000"
  std::string GForceMin;
  std::string GForceLnd;
  std::string FuelUsed;  // litres, "0.0"
  std::string AirPlane;
};

}  // namespace aerotrace
