#include "store/store_schema.h"

#include "db/value.h"
#include "store/local_store.h"

namespace aerotrace {
namespace {

std::int64_t pragma(db::Driver& db, const char* name) {
  const db::StatementResult r = db.run(std::string("PRAGMA ") + name, {});
  return r.rows.empty() || r.rows[0].empty() ? 0 : db::toInteger(r.rows[0][0]);
}

// Dates and times are the program's day counts (REAL), so that a stored
// result is written to the server exactly as it was taken.
const char* const kTables[] = {
    R"(CREATE TABLE journal_leg (
      id INTEGER PRIMARY KEY CHECK (id = 1),
      leg_id INTEGER, descr TEXT, dep TEXT, dest TEXT, route TEXT, max_fuel INTEGER,
      min_points INTEGER, max_points INTEGER, tour_id INTEGER, tour_name TEXT, tour_link TEXT,
      active_leg_id INTEGER, last_checkpoint INTEGER,
      wait_active INTEGER, wait_start REAL, wait_text TEXT,
      dep_date REAL, dep_time REAL, fuel_at_start REAL,
      g_max REAL, g_min REAL, g_touchdown REAL, touchdown_captured INTEGER,
      airport_icao TEXT, sample_latitude REAL, sample_longitude REAL, sample_time REAL,
      latitude REAL, longitude REAL, last_fuel REAL, written_at REAL))",
    R"(CREATE TABLE journal_checkpoint (
      seq INTEGER PRIMARY KEY,
      points INTEGER, descr TEXT, speak TEXT, latitude REAL, longitude REAL, c_range REAL,
      min_alt INTEGER, max_alt INTEGER, min_spd INTEGER, max_spd INTEGER,
      min_hdg INTEGER, max_hdg INTEGER, check_point INTEGER, must_land INTEGER,
      ok INTEGER, result TEXT, done INTEGER, wait_min INTEGER))",
    R"(CREATE TABLE journal_track (
      seq INTEGER PRIMARY KEY,
      latitude REAL, longitude REAL, alt INTEGER, grnd_sp INTEGER, hdg INTEGER,
      com1 TEXT, nav1 TEXT, nav2 TEXT, qnh TEXT))",
    R"(CREATE TABLE outbox (
      id INTEGER PRIMARY KEY AUTOINCREMENT,
      asked INTEGER NOT NULL, attempts INTEGER NOT NULL, tour_name TEXT, tour_link TEXT,
      leg_id INTEGER, vid TEXT, descr TEXT, dep TEXT, dest TEXT, tour_id INTEGER, route TEXT,
      points INTEGER, max_points INTEGER, dep_date REAL, dep_time REAL, arr_time REAL,
      g_force_max TEXT, g_force_min TEXT, g_force_lnd TEXT, fuel_used TEXT, airplane TEXT))",
    R"(CREATE TABLE outbox_track (
      outbox_id INTEGER NOT NULL REFERENCES outbox (id) ON DELETE CASCADE,
      seq INTEGER NOT NULL,
      latitude REAL, longitude REAL, alt INTEGER, grnd_sp INTEGER, hdg INTEGER,
      com1 TEXT, nav1 TEXT, nav2 TEXT, qnh TEXT,
      PRIMARY KEY (outbox_id, seq)))",
};

}  // namespace

void prepareStoreSchema(db::Driver& db, std::int32_t version, const std::string& shownName) {
  const std::int64_t applicationId = pragma(db, "application_id");
  const std::int64_t stored = pragma(db, "user_version");
  const db::StatementResult tables = db.run("SELECT count(*) FROM sqlite_schema", {});
  const bool empty = db::toInteger(tables.rows.at(0).at(0)) == 0;

  if (applicationId == 0 && stored == 0 && empty) {
    db.begin();
    try {
      for (const char* sql : kTables) db.run(sql, {});
      db.run("PRAGMA application_id = " + std::to_string(kStoreApplicationId), {});
      db.run("PRAGMA user_version = " + std::to_string(version), {});
      db.commit();
    } catch (...) {
      db.rollback();
      throw;
    }
    return;
  }
  if (applicationId != kStoreApplicationId) {
    throw StoreUnusable(shownName + " is a database of another program");
  }
  if (stored > version) {
    throw StoreUnusable(shownName + " was written by a newer version of Aerotrace (store version " +
                        std::to_string(stored) + ", this one reads " + std::to_string(version) +
                        ")");
  }
}

}  // namespace aerotrace
