#pragma once

// The units of work that read the tours database. Each connects, uses one
// table and closes the table and the connection again, also when it fails.
// After the connection is open, a failing server raises db::DbError; what
// was read until then stays in the output.

#include <cstdint>
#include <string>
#include <vector>

#include "core/datetime.h"
#include "core/records.h"
#include "tours/tour_data.h"

namespace aerotrace {

// Every tour, whatever its is_active says; `out` is sized to the rows and
// filled by row number. False, with `out` untouched, when the connection
// failed.
bool readTourCatalogue(TfD& d, std::vector<oTours>& out);

// The legs departing from `icao`, ordered by tour_id, appended to `out`
// with their Route as stored. False when the connection failed.
bool readLegsOfAirport(TfD& d, const std::string& icao, std::vector<oLeg>& out);

// The checkpoints of the leg, in the server's order, with their working
// fields cleared. Connects unless connected; a failed connection raises
// db::DbError like any later failure.
std::vector<oLegDet> readCheckpoints(TfD& d, std::int32_t legId);

// One LegRdy row as the pilot's history reads it.
struct LegRdyRow {
  std::int32_t LegRdyid = 0;
  std::int32_t legId = 0;
  std::string Descr;
  std::int32_t Points = 0;
  std::int32_t MaxPoints = 0;
  std::string VID;
  std::int32_t Try = 0;
  std::string Dep;
  std::string Dest;
  std::string Route;
  DateTime DepDate = 0;
  DateTime DepTime = 0;
  DateTime ArrTime = 0;
  bool LegAccepted = false;
  std::string AirPlane;
  std::string GForceMax;
  std::string GForceMin;
  std::string GForceLnd;
  std::string FuelUsed;  // as stored: text
  std::int32_t tour_id = 0;
};

// The pilot's uploaded results, in the server's order. The VID is matched
// as text. A failed connection raises db::DbError.
std::vector<LegRdyRow> readLegHistory(TfD& d, const std::string& vid);

}  // namespace aerotrace
