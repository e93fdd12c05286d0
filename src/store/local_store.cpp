#include "store/local_store.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "db/sqlite_file.h"
#include "db/value.h"
#include "store/store_schema.h"

namespace aerotrace {
namespace {

using db::Value;
using Row = std::vector<Value>;

Value integer(std::int64_t v) { return v; }
Value flag(const Flag& f) { return std::int64_t{f.raw()}; }
Value flag(bool b) { return std::int64_t{b ? 1 : 0}; }

std::int32_t int32(const Value& v) { return static_cast<std::int32_t>(db::toInteger(v)); }
Flag asFlag(const Value& v) { return Flag::fromRaw(int32(v)); }

const char* const kTrackColumns =
    "latitude, longitude, alt, grnd_sp, hdg, com1, nav1, nav2, qnh";

Row trackValues(const oRoute& p) {
  return {p.Latitude, p.Longitude, integer(p.Alt), integer(p.GrndSp), integer(p.Hdg),
          p.Com1,     p.Nav1,      p.Nav2,         p.QNH};
}

oRoute trackSample(const Row& r, std::size_t at) {
  oRoute p;
  p.Latitude = db::toFloat(r[at]);
  p.Longitude = db::toFloat(r[at + 1]);
  p.Alt = int32(r[at + 2]);
  p.GrndSp = int32(r[at + 3]);
  p.Hdg = int32(r[at + 4]);
  p.Com1 = db::toText(r[at + 5]);
  p.Nav1 = db::toText(r[at + 6]);
  p.Nav2 = db::toText(r[at + 7]);
  p.QNH = db::toText(r[at + 8]);
  return p;
}

const char* const kOutboxColumns =
    "asked, attempts, tour_name, tour_link, leg_id, vid, descr, dep, dest, tour_id, route, "
    "points, max_points, dep_date, dep_time, arr_time, g_force_max, g_force_min, g_force_lnd, "
    "fuel_used, airplane";

Row outboxValues(const OutboxLeg& o) {
  const LegResult& r = o.result;
  return {flag(o.asked), integer(o.attempts), o.tourName,   o.tourLink,   integer(r.legId),
          r.VID,         r.Descr,             r.Dep,        r.Dest,       integer(r.tour_id),
          r.Route,       integer(r.Points),   integer(r.MaxPoints),       r.DepDate,
          r.DepTime,     r.ArrTime,           r.GForceMax,  r.GForceMin,  r.GForceLnd,
          r.FuelUsed,    r.AirPlane};
}

OutboxLeg outboxLegOf(const Row& v) {
  OutboxLeg o;
  o.id = db::toInteger(v[0]);
  o.asked = db::toInteger(v[1]) != 0;
  o.attempts = int32(v[2]);
  o.tourName = db::toText(v[3]);
  o.tourLink = db::toText(v[4]);
  LegResult& r = o.result;
  r.legId = int32(v[5]);
  r.VID = db::toText(v[6]);
  r.Descr = db::toText(v[7]);
  r.Dep = db::toText(v[8]);
  r.Dest = db::toText(v[9]);
  r.tour_id = int32(v[10]);
  r.Route = db::toText(v[11]);
  r.Points = int32(v[12]);
  r.MaxPoints = int32(v[13]);
  r.DepDate = db::toFloat(v[14]);
  r.DepTime = db::toFloat(v[15]);
  r.ArrTime = db::toFloat(v[16]);
  r.GForceMax = db::toText(v[17]);
  r.GForceMin = db::toText(v[18]);
  r.GForceLnd = db::toText(v[19]);
  r.FuelUsed = db::toText(v[20]);
  r.AirPlane = db::toText(v[21]);
  return o;
}

const char* const kJournalColumns =
    "leg_id, descr, dep, dest, route, max_fuel, min_points, max_points, tour_id, tour_name, "
    "tour_link, active_leg_id, last_checkpoint, wait_active, wait_start, wait_text, dep_date, "
    "dep_time, fuel_at_start, g_max, g_min, g_touchdown, touchdown_captured, airport_icao, "
    "sample_latitude, sample_longitude, sample_time, latitude, longitude, last_fuel, written_at";

Row journalValues(const JournalRecord& j) {
  const oLeg& l = j.leg;
  return {integer(l.Id),       l.Descr,           l.Dep,
          l.Dest,              l.Route,           integer(l.MaxFuel),
          integer(l.Points),   integer(l.MaxPoints), integer(l.TourId),
          l.TourName,          l.TourLink,        integer(j.activeLegId),
          integer(j.lastCheckpoint), flag(j.waitTimer.Active), j.waitTimer.Start,
          j.waitTimer.Text,    j.depDate,         j.depTime,
          j.fuelAtStart,       j.gMax,            j.gMin,
          j.gTouchdown,        flag(j.touchdownCaptured), j.airportIcao,
          j.lastSampleLatitude, j.lastSampleLongitude, j.lastSampleTime,
          j.latitude,          j.longitude,       j.lastFuel,
          j.writtenAt};
}

JournalRecord journalOf(const Row& v) {
  JournalRecord j;
  oLeg& l = j.leg;
  l.Id = int32(v[0]);
  l.Descr = db::toText(v[1]);
  l.Dep = db::toText(v[2]);
  l.Dest = db::toText(v[3]);
  l.Route = db::toText(v[4]);
  l.MaxFuel = int32(v[5]);
  l.Points = int32(v[6]);
  l.MaxPoints = int32(v[7]);
  l.TourId = int32(v[8]);
  l.TourName = db::toText(v[9]);
  l.TourLink = db::toText(v[10]);
  j.activeLegId = int32(v[11]);
  j.lastCheckpoint = int32(v[12]);
  j.waitTimer.Active = db::toInteger(v[13]) != 0;
  j.waitTimer.Start = db::toFloat(v[14]);
  j.waitTimer.Text = db::toText(v[15]);
  j.depDate = db::toFloat(v[16]);
  j.depTime = db::toFloat(v[17]);
  j.fuelAtStart = db::toFloat(v[18]);
  j.gMax = db::toFloat(v[19]);
  j.gMin = db::toFloat(v[20]);
  j.gTouchdown = db::toFloat(v[21]);
  j.touchdownCaptured = db::toInteger(v[22]) != 0;
  j.airportIcao = db::toText(v[23]);
  j.lastSampleLatitude = db::toFloat(v[24]);
  j.lastSampleLongitude = db::toFloat(v[25]);
  j.lastSampleTime = db::toFloat(v[26]);
  j.latitude = db::toFloat(v[27]);
  j.longitude = db::toFloat(v[28]);
  j.lastFuel = db::toFloat(v[29]);
  j.writtenAt = db::toFloat(v[30]);
  return j;
}

const char* const kCheckpointColumns =
    "seq, points, descr, speak, latitude, longitude, c_range, min_alt, max_alt, min_spd, "
    "max_spd, min_hdg, max_hdg, check_point, must_land, ok, result, done, wait_min";

Row checkpointValues(std::size_t seq, const oLegDet& c) {
  return {integer(static_cast<std::int64_t>(seq)),
          integer(c.Points),
          c.Descr,
          c.Speak,
          c.Latitude,
          c.Longitude,
          c.cRange,
          integer(c.MinAlt),
          integer(c.MaxAlt),
          integer(c.MinSpd),
          integer(c.MaxSpd),
          integer(c.MinHdg),
          integer(c.MaxHdg),
          flag(c.CheckPoint),
          flag(c.MustLand),
          flag(c.Ok),
          c.Result,
          flag(c.Done),
          integer(c.WaitMin)};
}

oLegDet checkpointOf(const Row& v) {
  oLegDet c;
  c.Points = int32(v[1]);
  c.Descr = db::toText(v[2]);
  c.Speak = db::toText(v[3]);
  c.Latitude = db::toFloat(v[4]);
  c.Longitude = db::toFloat(v[5]);
  c.cRange = db::toFloat(v[6]);
  c.MinAlt = int32(v[7]);
  c.MaxAlt = int32(v[8]);
  c.MinSpd = int32(v[9]);
  c.MaxSpd = int32(v[10]);
  c.MinHdg = int32(v[11]);
  c.MaxHdg = int32(v[12]);
  c.CheckPoint = asFlag(v[13]);
  c.MustLand = asFlag(v[14]);
  c.Ok = asFlag(v[15]);
  c.Result = db::toText(v[16]);
  c.Done = asFlag(v[17]);
  c.WaitMin = int32(v[18]);
  return c;
}

// SQLite takes file names in UTF-8, and the pilot's texts are UTF-8 bytes;
// string() would give the Windows code page.
std::string utf8(const std::filesystem::path& p) {
  const std::u8string text = p.u8string();
  return std::string(text.begin(), text.end());
}

std::string placeholders(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += i ? ", ?" : "?";
  return s;
}

// Many samples a statement: a whole track goes in a few statements.
void insertTrack(db::Driver& db, const std::string& table, const std::string& keyColumns,
                 const Row& key, const std::vector<oRoute>& track, std::size_t from) {
  constexpr std::size_t kRowsPerStatement = 500;
  const std::string columns = keyColumns.empty() ? "seq, " : keyColumns + ", seq, ";
  const std::string rowMarks = "(" + placeholders(key.size() + 1 + 9) + ")";
  for (std::size_t begin = from; begin < track.size(); begin += kRowsPerStatement) {
    const std::size_t end = std::min(track.size(), begin + kRowsPerStatement);
    std::string sql = "INSERT INTO " + table + " (" + columns + kTrackColumns + ") VALUES ";
    Row values;
    for (std::size_t i = begin; i < end; ++i) {
      sql += i == begin ? rowMarks : ", " + rowMarks;
      values.insert(values.end(), key.begin(), key.end());
      values.push_back(integer(static_cast<std::int64_t>(i)));
      Row sample = trackValues(track[i]);
      values.insert(values.end(), sample.begin(), sample.end());
    }
    db.run(sql, values);
  }
}

std::vector<oRoute> readTrack(db::Driver& db, const std::string& sql, const Row& key) {
  std::vector<oRoute> track;
  for (const Row& r : db.run(sql, key).rows) track.push_back(trackSample(r, 0));
  return track;
}

}  // namespace

LocalStore::LocalStore(std::filesystem::path path, std::unique_ptr<db::Driver> driver)
    : path_(std::move(path)), db_(std::move(driver)) {}

LocalStore::~LocalStore() = default;

std::unique_ptr<LocalStore> LocalStore::open(const std::filesystem::path& folder) {
  if (folder.empty()) throw StoreUnusable("no data folder is known (set AEROTRACE_DATA_DIR)");
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) throw StoreUnusable("the folder " + utf8(folder) + " cannot be made: " + ec.message());
  const std::filesystem::path file = folder / kFileName;
  const std::string shown = utf8(file);
  std::unique_ptr<db::Driver> driver;
  try {
    driver = db::openOwnSqliteFile(shown);
  } catch (const db::SqliteOpenError& e) {
    switch (e.reason()) {
      case db::SqliteOpenError::Reason::NotADatabase:
        throw StoreUnusable(shown + " is not a database");
      case db::SqliteOpenError::Reason::InUse:
        throw StoreUnusable(shown + " is in use by another copy of Aerotrace");
      case db::SqliteOpenError::Reason::Other: break;
    }
    throw StoreUnusable(shown + " cannot be opened (" + e.what() + ")");
  }
  try {
    prepareStoreSchema(*driver, kSchemaVersion, shown);
  } catch (const db::DbError& e) {
    throw StoreUnusable(shown + " cannot be read (" + e.what() + ")");
  }
  return std::unique_ptr<LocalStore>(new LocalStore(file, std::move(driver)));
}

template <class Work>
void LocalStore::inTransaction(Work&& work) {
  db_->begin();
  try {
    work(*db_);
    db_->commit();
  } catch (...) {
    try {
      db_->rollback();
    } catch (const db::DbError&) {  // the failed commit already ended it
    }
    journalTrackRows_ = -1;
    throw;
  }
}

void LocalStore::writeJournal(const JournalRecord& j, bool fresh) {
  const auto stored = static_cast<std::size_t>(journalTrackRows_);
  const bool rewriteTrack = fresh || journalTrackRows_ < 0 || stored > j.track.size();
  inTransaction([&](db::Driver& db) {
    db.run(std::string("INSERT OR REPLACE INTO journal_leg (id, ") + kJournalColumns +
               ") VALUES (1, " + placeholders(31) + ")",
           journalValues(j));
    db.run("DELETE FROM journal_checkpoint", {});
    const std::string cp = std::string("INSERT INTO journal_checkpoint (") + kCheckpointColumns +
                           ") VALUES (" + placeholders(19) + ")";
    for (std::size_t i = 0; i < j.checkpoints.size(); ++i) {
      db.run(cp, checkpointValues(i, j.checkpoints[i]));
    }
    if (rewriteTrack) db.run("DELETE FROM journal_track", {});
    insertTrack(db, "journal_track", "", {}, j.track, rewriteTrack ? 0 : stored);
  });
  journalTrackRows_ = static_cast<std::int64_t>(j.track.size());
}

std::optional<JournalRecord> LocalStore::readJournal() {
  const db::StatementResult leg =
      db_->run(std::string("SELECT ") + kJournalColumns + " FROM journal_leg WHERE id = 1", {});
  if (leg.rows.empty()) return std::nullopt;
  JournalRecord j = journalOf(leg.rows[0]);
  for (const Row& r : db_->run(std::string("SELECT ") + kCheckpointColumns +
                                   " FROM journal_checkpoint ORDER BY seq",
                               {})
                          .rows) {
    j.checkpoints.push_back(checkpointOf(r));
  }
  j.track = readTrack(*db_, std::string("SELECT ") + kTrackColumns +
                                " FROM journal_track ORDER BY seq",
                      {});
  journalTrackRows_ = static_cast<std::int64_t>(j.track.size());
  return j;
}

void LocalStore::removeJournal() {
  inTransaction([](db::Driver& db) {
    db.run("DELETE FROM journal_track", {});
    db.run("DELETE FROM journal_checkpoint", {});
    db.run("DELETE FROM journal_leg", {});
  });
  journalTrackRows_ = 0;
}

std::int64_t LocalStore::finishLeg(const OutboxLeg& leg, std::int64_t replacing) {
  std::int64_t id = 0;
  inTransaction([&](db::Driver& db) {
    if (replacing != 0) {
      db.run("DELETE FROM outbox_track WHERE outbox_id = ?", {replacing});
      db.run("DELETE FROM outbox WHERE id = ?", {replacing});
    }
    id = db.run(std::string("INSERT INTO outbox (") + kOutboxColumns + ") VALUES (" +
                    placeholders(21) + ")",
                outboxValues(leg))
             .insertId;
    insertTrack(db, "outbox_track", "outbox_id", {id}, leg.track, 0);
    db.run("DELETE FROM journal_track", {});
    db.run("DELETE FROM journal_checkpoint", {});
    db.run("DELETE FROM journal_leg", {});
  });
  journalTrackRows_ = 0;
  return id;
}

std::vector<OutboxLeg> LocalStore::outbox() {
  std::vector<OutboxLeg> legs;
  for (const Row& r :
       db_->run(std::string("SELECT id, ") + kOutboxColumns + " FROM outbox ORDER BY id", {})
           .rows) {
    legs.push_back(outboxLegOf(r));
  }
  for (OutboxLeg& leg : legs) {
    leg.track = readTrack(*db_, std::string("SELECT ") + kTrackColumns +
                                    " FROM outbox_track WHERE outbox_id = ? ORDER BY seq",
                          {leg.id});
  }
  return legs;
}

std::optional<OutboxLeg> LocalStore::outboxLeg(std::int64_t id) {
  const db::StatementResult r = db_->run(
      std::string("SELECT id, ") + kOutboxColumns + " FROM outbox WHERE id = ?", {id});
  if (r.rows.empty()) return std::nullopt;
  OutboxLeg leg = outboxLegOf(r.rows[0]);
  leg.track = readTrack(*db_, std::string("SELECT ") + kTrackColumns +
                                  " FROM outbox_track WHERE outbox_id = ? ORDER BY seq",
                        {id});
  return leg;
}

void LocalStore::noteAttempt(std::int64_t id) {
  inTransaction([id](db::Driver& db) {
    db.run("UPDATE outbox SET attempts = attempts + 1, asked = 1 WHERE id = ?", {id});
  });
}

void LocalStore::markAsked(std::int64_t id) {
  inTransaction([id](db::Driver& db) { db.run("UPDATE outbox SET asked = 1 WHERE id = ?", {id}); });
}

void LocalStore::removeFromOutbox(std::int64_t id) {
  inTransaction([id](db::Driver& db) {
    db.run("DELETE FROM outbox_track WHERE outbox_id = ?", {id});
    db.run("DELETE FROM outbox WHERE id = ?", {id});
  });
}

}  // namespace aerotrace
