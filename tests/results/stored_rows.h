#pragma once

// Reading back what an upload left on the server, through the tests' own
// account.

#include <cstdint>
#include <string>
#include <vector>

#include "db/driver.h"
#include "test_databases.h"

namespace aerotrace::testing {

inline db::StatementResult query(const TestDatabase& t, const std::string& sql,
                                 const std::vector<db::Value>& params = {}) {
  return t.admin()->run(sql, params);
}

inline std::int64_t countOf(const TestDatabase& t, const std::string& table) {
  return db::toInteger(query(t, "SELECT COUNT(*) FROM " + table).rows.at(0).at(0));
}

// Every result row, oldest first, with the columns named.
struct StoredResultRow {
  std::int64_t id, legId, points, maxPoints, tryCount, tourId;
  bool accepted;
  std::string vid, descr, dep, dest, route, depDate, depTime, arrTime, airPlane, gMax, gMin, gTouch,
      fuel;
};

inline std::vector<StoredResultRow> resultRows(const TestDatabase& t) {
  const db::StatementResult r = query(
      t,
      "SELECT LegRdyid, legId, Points, MaxPoints, `try`, tour_id, LegAccepted, VID, Descr, Dep, "
      "Dest, Route, DepDate, DepTime, ArrTime, AirPlane, GForceMax, GForceMin, GForceLnd, "
      "FuelUsed FROM LegRdy ORDER BY LegRdyid");
  std::vector<StoredResultRow> out;
  for (const auto& v : r.rows) {
    out.push_back(
        {db::toInteger(v[0]), db::toInteger(v[1]), db::toInteger(v[2]), db::toInteger(v[3]),
         db::toInteger(v[4]), db::toInteger(v[5]), db::toBoolean(v[6]), db::toText(v[7]),
         db::toText(v[8]),    db::toText(v[9]),    db::toText(v[10]),   db::toText(v[11]),
         db::toText(v[12]),   db::toText(v[13]),   db::toText(v[14]),   db::toText(v[15]),
         db::toText(v[16]),   db::toText(v[17]),   db::toText(v[18]),   db::toText(v[19])});
  }
  return out;
}

struct StoredTrackRow {
  std::int64_t legRdyId;
  double latitude, longitude;
  std::int64_t alt, grndSp, hdg;
  std::string com1, nav1, nav2, qnh;
};

inline std::vector<StoredTrackRow> trackRows(const TestDatabase& t) {
  const db::StatementResult r =
      query(t,
            "SELECT LegRdyId, Latitude, Longitude, Alt, GrndSp, Hdg, Com1, Nav1, Nav2, QNH FROM "
            "LegRdyFR ORDER BY Id");
  std::vector<StoredTrackRow> out;
  for (const auto& v : r.rows) {
    out.push_back({db::toInteger(v[0]), db::toFloat(v[1]), db::toFloat(v[2]), db::toInteger(v[3]),
                   db::toInteger(v[4]), db::toInteger(v[5]), db::toText(v[6]), db::toText(v[7]),
                   db::toText(v[8]), db::toText(v[9])});
  }
  return out;
}

}  // namespace aerotrace::testing
