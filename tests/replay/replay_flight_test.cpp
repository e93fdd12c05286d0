// Flights through the whole monitor: the stand-in simulator, the reader
// pass, the tick, the leg start and the tours database, read back from the
// event log and the state.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/distance.h"
#include "core/messages.h"
#include "db/sql_script.h"
#include "replay_fixture.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

const std::string kDir = AEROTRACE_REPLAY_TEST_DIR;

// A database with the demo seed and the replay tests' own tours.
TestDatabase toursDatabase(Backend backend) {
  TestDatabase db = makeTestDatabase(backend, currentTestName(), true);
  db::runSqlScript(*db.admin(), readFile(kDir + "/data/tours.sql"));
  return db;
}

ReplayOptions optionsFor(const TestDatabase& db, const std::string& flightName) {
  ReplayOptions o = parseReplayArguments({flightName});
  o.toursUrl = db.url;
  o.airportsPath = kDir + "/data/airports.csv";
  return o;
}

class ReplayFlightTest : public ::testing::Test {
 protected:
  PlayedReplay fly(const std::string& name) {
    const std::string path = kDir + "/flights/" + name;
    return PlayedReplay(FlightFile::load(path), optionsFor(db_, path));
  }
  PlayedReplay flyText(const std::string& csv) {
    return PlayedReplay(FlightFile::parse(csv, "inline.csv"), optionsFor(db_, "inline.csv"));
  }

  TestDatabase db_ = toursDatabase(Backend::Sqlite);
};

double t(const EventJson& e) { return e["t"].get<double>(); }

TEST_F(ReplayFlightTest, ArrivalEndsTheLegOnceWithItsReport) {
  PlayedReplay r = fly("arrival.csv");
  ASSERT_EQ(r.outcome, Replay::Outcome::Played);
  const auto reports = r.named("report");
  ASSERT_EQ(reports.size(), 1u);  // parked for half a minute after it
  const EventJson& report = reports[0];
  EXPECT_GE(t(report), 130);
  EXPECT_LT(t(report), 130.5);
  EXPECT_EQ(report["points"], "20");
  EXPECT_EQ(report["block"], false);
  EXPECT_EQ(report["fuelStart"], "600");
  EXPECT_EQ(report["fuelUsed"], "13");
  EXPECT_EQ(report["fuelEnd"], "587");
  EXPECT_EQ(report["date"], "01-01-2026");
  EXPECT_EQ(report["depTime"], "12:00");
  EXPECT_EQ(report["arrTime"], "12:02");
  EXPECT_EQ(report["plane"], "Test Plane");
  EXPECT_EQ(report["dep"], "ALFA");
  EXPECT_EQ(report["arr"], "BRAV");
  EXPECT_EQ(report["gTouch"], "0.300");
  EXPECT_EQ(report["rows"], EventJson::parse(R"([
      {"descr":"Hold at Mike","result":"Passed.","points":"10"},
      {"descr":"Welcome to Bravo","result":"Passed.","points":"10"}])"));
  // Ticks went on after the report: the leg stays active until it closes.
  EXPECT_TRUE(r.state().legActive);
  EXPECT_EQ(r.named("touchdown").size(), 1u);
}

// The arrival flight with pilot actions added once the report is open, and
// a few seconds more parked.
std::string arrivalWith(const std::string& rows) {
  return readFile(kDir + "/flights/arrival.csv") + rows + "180,,,,,,,,,,,\n";
}

TEST_F(ReplayFlightTest, TheReportsButtonsUploadCloseAndAsk) {
  struct Case {
    const char* name;
    std::string rows;
    std::vector<std::string> closing;  // upload / report-closed events, in order
    int tries;                         // result rows stored
    bool legActiveAfter;
  };
  const Case cases[] = {
      {"upload", "165,,,,,,,,,,,upload\n", {"upload", "report-closed"}, 1, false},
      {"close answers Cancel", "165,,,,,,,,,,,close\n", {"report-closed"}, 0, false},
      // OK uploads; the upload's own close and the outer close both run.
      {"close answers OK",
       "165,,,,,,,,,,,close-upload\n",
       {"upload", "report-closed", "report-closed"},
       1,
       false},
      {"no report to close later",
       "165,,,,,,,,,,,close\n170,,,,,,,,,,,upload close\n",
       {"report-closed"},
       0,
       false},
  };
  for (const Case& c : cases) {
    TestDatabase db = toursDatabase(Backend::Sqlite);
    PlayedReplay r(FlightFile::parse(arrivalWith(c.rows), "arrival.csv"),
                   optionsFor(db, "arrival.csv"));
    std::vector<std::string> closing;
    for (const EventJson& e : r.events) {
      if (e["event"] == "upload" || e["event"] == "report-closed") closing.push_back(e["event"]);
    }
    EXPECT_EQ(closing, c.closing) << c.name;
    EXPECT_EQ(static_cast<bool>(r.state().legActive), c.legActiveAfter) << c.name;
    EXPECT_TRUE(r.state().track.empty()) << c.name;
    // Closed, the leg is over: standing at BRAV, the pilot is offered its legs.
    EXPECT_EQ(r.state().airportIcao, "BRAV") << c.name;
    EXPECT_EQ(r.named("panel").back()["state"], "out") << c.name;
    const auto uploads = r.named("upload");
    if (c.tries == 0) continue;
    ASSERT_EQ(uploads.size(), 1u) << c.name;
    EXPECT_EQ(uploads[0]["ok"], true);
    EXPECT_EQ(uploads[0]["try"], 1);
    EXPECT_GT(uploads[0]["trackRows"].get<int>(), 0);
    const auto messages = r.texts("message");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Tour Test Hops Leg Alfa - Bravo uploaded...") << c.name;
    ASSERT_EQ(r.named("open").size(), 1u) << c.name;
    EXPECT_EQ(r.named("open")[0]["url"], "https://tours.example.org/test-hops");
  }
}

// Each flight stops somewhere that must not end the leg before it stops
// where it must.
TEST_F(ReplayFlightTest, OnlyAStopAtTheDestinationAfterTakeOffEndsTheLeg) {
  const struct {
    const char* flight;
    double earliest;  // the stop that ends the leg
  } cases[] = {
      {"other_airport_first.csv", 100},  // stopped at Charlie from 30 to 70
      {"departure_runway.csv", 90},      // stopped on the runway at 20
      {"zero_position.csv", 40},         // stopped at exactly 0,0 at 20
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flight);
    PlayedReplay r = fly(c.flight);
    const auto reports = r.named("report");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_GE(t(reports[0]), c.earliest);
    EXPECT_LT(t(reports[0]), c.earliest + 0.5);
  }
}

TEST_F(ReplayFlightTest, IdleAtZeroZeroTheLookupStillRuns) {
  PlayedReplay r = fly("zero_position.csv");
  const auto airports = r.named("airport");
  ASSERT_EQ(airports.size(), 2u);
  EXPECT_EQ(airports[0]["icao"], "ZERO");
  EXPECT_LT(t(airports[0]), 1);
  EXPECT_EQ(airports[1]["icao"], "ALFA");
  const auto legs = r.named("legs");
  ASSERT_EQ(legs.size(), 2u);
  EXPECT_EQ(legs[0]["ids"], EventJson::array());
  EXPECT_EQ(legs[1]["ids"], EventJson::parse("[71, 72, 73, 74]"));
  EXPECT_EQ(r.named("start")[0]["leg"], 74);
}

// Fuel readings one after another in flight (through the tank conversions
// of the stand-in): more than 25 litres above the last positive reading
// ends the leg.
TEST_F(ReplayFlightTest, AddedFuelEndsTheLegOnlyAboveTwentyFiveLitres) {
  const struct {
    std::vector<double> fuel;
    bool ends;
  } cases[] = {
      {{600, 625}, false},    {{600, 625.5}, true},    {{600, 0}, false},
      {{600, 0, 625}, false}, {{600, 0, 625.5}, true},
  };
  for (const auto& c : cases) {
    std::ostringstream csv;
    csv << "t,lat,lon,alt,ias,gs,hdg,ground,fuel,action\n"
        << "0,10,10,500,0,0,90,1,600,\n1,,,,,,,,,start\n"
        << "5,10.1,10,3000,150,150,0,0,600,\n";
    double at = 10;
    for (double f : c.fuel) csv << at++ << ",,,,,,,," << f << ",\n";
    csv << at + 5 << ",,,,,,,,,\n";
    SCOPED_TRACE(csv.str());
    PlayedReplay r = flyText(csv.str());
    const auto spoken = r.texts("speak");
    const auto saidFuelAdded = std::count(spoken.begin(), spoken.end(), msg::kFuelAdded);
    EXPECT_EQ(r.named("abandon").size(), c.ends ? 1u : 0u);
    EXPECT_EQ(saidFuelAdded, c.ends ? 1 : 0);
    EXPECT_EQ(static_cast<bool>(r.state().legActive), !c.ends);
    if (!c.ends) {
      EXPECT_GT(r.state().lastFuel, 599);  // never the reading of 0
    }
  }
}

TEST_F(ReplayFlightTest, TrackSamplesNeedMoreThanThreeMilesAndMoreThan180Seconds) {
  // Degrees of latitude a second for a speed in miles a minute.
  const auto northwards = [](double milesPerMinute, int seconds) {
    std::ostringstream csv;
    csv.precision(10);
    csv << "t,lat,lon,alt,gs,ground,fuel,action\n0,10,10,500,0,1,600,\n1,,,,,,,start\n";
    for (int s = 2; s <= seconds; ++s) {
      csv << s << "," << 10 + milesPerMinute / 60 * (s - 1) / kMilesPerDegree
          << ",10,3000,300,0,600,\n";
    }
    return csv.str();
  };
  const struct {
    const char* what;
    std::string flight;
    std::size_t samples;
    double minMiles, maxMiles;  // between two samples
  } cases[] = {
      {"parked an hour", "t,lat,lon,ground,fuel,action\n0,10,10,1,600,\n1,,,,,start\n3600,,,,,\n",
       1, 0, 0},
      {"10 miles a minute", northwards(10, 1000), 6, 30.1, 30.2},  // every 181 s
      {"3 miles in 10 minutes", northwards(0.3, 2000), 4, 3.0, 3.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PlayedReplay r = flyText(c.flight);
    const std::vector<oRoute>& track = r.state().track;
    ASSERT_EQ(track.size(), c.samples);
    // The first comes on the first leg tick, at the departure airport.
    EXPECT_DOUBLE_EQ(track[0].Latitude, 10);
    for (std::size_t i = 1; i < track.size(); ++i) {
      const double miles = distanceMiles(track[i - 1].Latitude, track[i - 1].Longitude,
                                         track[i].Latitude, track[i].Longitude);
      EXPECT_GT(miles, c.minMiles) << i;
      EXPECT_LT(miles, c.maxMiles) << i;
    }
  }
}

TEST_F(ReplayFlightTest, ASecondStartReloadsTheCheckpointsAndEmptiesTheTrack) {
  PlayedReplay r = fly("restart_reload.csv");
  const auto starts = r.named("start");
  ASSERT_EQ(starts.size(), 2u);
  const auto checkpoints = r.named("checkpoint");
  ASSERT_EQ(checkpoints.size(), 2u);  // the hold, once for each start
  EXPECT_LT(t(checkpoints[0]), t(starts[1]));
  EXPECT_GT(t(checkpoints[1]), t(starts[1]));
  for (const EventJson& c : checkpoints) {
    EXPECT_EQ(c["index"], 0);
    EXPECT_EQ(c["ok"], true);
  }
  // The second hold waited its minute again.
  const auto ready = r.named("title");
  EXPECT_EQ(std::count_if(ready.begin(), ready.end(),
                          [](const EventJson& e) { return e["text"] == "2 min."; }),
            2);
  ASSERT_EQ(r.named("abandon").size(), 1u);
  // The track restarted empty; its first sample of the new leg waited for
  // 180 s since the last one of the old leg, so it was taken at Mike.
  const std::vector<oRoute>& track = r.state().track;
  ASSERT_EQ(track.size(), 1u);
  EXPECT_NEAR(track[0].Longitude, 10.25, 1e-9);
}

TEST_F(ReplayFlightTest, AWaitStillRunningFromTheLastLegPassesAtOnce) {
  PlayedReplay r = fly("wait_survives.csv");
  const auto starts = r.named("start");
  ASSERT_EQ(starts.size(), 2u);
  const auto checkpoints = r.named("checkpoint");
  ASSERT_EQ(checkpoints.size(), 1u);
  EXPECT_GE(t(checkpoints[0]), 100);
  EXPECT_LT(t(checkpoints[0]), 100.5);  // on the first tick at Mike
  EXPECT_EQ(checkpoints[0]["ok"], true);
  // No new countdown and no new hold message after the second start.
  for (const EventJson& e : r.events) {
    if (t(e) < t(starts[1])) continue;
    if (e["event"] == "simtext") {
      EXPECT_EQ(e["text"], msg::kReadyToGo);
    }
    if (e["event"] == "title") {
      EXPECT_EQ(e["text"], msg::kTitle);
    }
  }
}

TEST_F(ReplayFlightTest, ALegOfAMissingTourIsAnnouncedWithAnEmptyTourName) {
  PlayedReplay r = fly("missing_tour.csv");
  ASSERT_EQ(r.named("start").size(), 1u);
  EXPECT_EQ(r.named("start")[0]["leg"], 73);
  const auto spoken = r.texts("speak");
  ASSERT_FALSE(spoken.empty());
  EXPECT_EQ(spoken.back(), "Tour , leg Alfa - Charlie");
  EXPECT_EQ(r.named("display").back()["tour"], "");
}

TEST_F(ReplayFlightTest, AStartWhoseCheckpointsCannotBeReadStartsNothing) {
  // The legs load, but the checkpoint table is gone when START is pressed.
  std::string csv = "t,lat,lon,ground,fuel,action\n0,10,10,1,600,\n1,,,,,start\n3,,,,,\n";
  ReplayOptions o = optionsFor(db_, "inline.csv");
  std::vector<EventJson> events;
  Replay replay(FlightFile::parse(csv, "inline.csv"), o,
                [&](const std::string& line) { events.push_back(EventJson::parse(line)); });
  db_.admin()->run("DROP TABLE LegDet", {});
  ASSERT_EQ(replay.run(), Replay::Outcome::Played);
  std::vector<std::string> kinds;
  for (const EventJson& e : events) kinds.push_back(e["event"]);
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), "legs"), kinds.end());
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), "error"), kinds.end());
  EXPECT_EQ(std::find(kinds.begin(), kinds.end(), "start"), kinds.end());
  EXPECT_FALSE(replay.state().legActive);
  EXPECT_TRUE(replay.log().panelOut());  // nothing retracted it
}

// The demo flight on the demo seed, on both servers: the same log, and the
// leg the main job promises.
std::vector<std::string> demoLog(Backend backend) {
  TestDatabase db = makeTestDatabase(backend, currentTestName() + backendName(backend), true);
  ReplayOptions o = parseReplayArguments({AEROTRACE_DEMO_FLIGHT});
  o.toursUrl = db.url;
  std::vector<std::string> lines;
  Replay replay(FlightFile::load(AEROTRACE_DEMO_FLIGHT), o,
                [&](const std::string& line) { lines.push_back(line); });
  EXPECT_EQ(replay.run(), Replay::Outcome::Played);
  return lines;
}

TEST(DemoFlightTest, SameEventLogOnSqliteAndMariaDb) {
  const auto sqlite = demoLog(Backend::Sqlite);
  // Without a MariaDB server (the Windows builds) the SQLite log alone.
  const std::vector<Backend> backends = testBackends();
  if (std::find(backends.begin(), backends.end(), Backend::MariaDb) != backends.end()) {
    EXPECT_EQ(sqlite, demoLog(Backend::MariaDb));
  }

  std::vector<EventJson> checkpoints, reports, uploads, histories;
  for (const std::string& line : sqlite) {
    const EventJson e = EventJson::parse(line);
    if (e["event"] == "checkpoint") checkpoints.push_back(e);
    if (e["event"] == "report") reports.push_back(e);
    if (e["event"] == "upload") uploads.push_back(e);
    if (e["event"] == "history") histories.push_back(e);
  }
  ASSERT_EQ(checkpoints.size(), 3u);
  EXPECT_EQ(checkpoints[0]["result"], " Wrong speed. ");
  EXPECT_EQ(checkpoints[1]["result"], "Passed.");
  EXPECT_EQ(checkpoints[2]["result"], "Passed.");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0]["points"], "20");
  EXPECT_EQ(reports[0]["block"], false);  // exactly the leg's minimum
  EXPECT_EQ(reports[0]["arr"], "EDDM");
  // Uploaded on the apron, then listed in MY LEGS, waiting for the staff.
  ASSERT_EQ(uploads.size(), 1u);
  EXPECT_EQ(uploads[0]["ok"], true);
  EXPECT_EQ(uploads[0]["try"], 1);
  ASSERT_EQ(histories.size(), 1u);
  ASSERT_EQ(histories[0]["rows"].size(), 1u);
  const EventJson& row = histories[0]["rows"][0];
  EXPECT_EQ(row["dep"], "LOWI");
  EXPECT_EQ(row["dest"], "EDDM");
  EXPECT_EQ(row["points"], 20);
  EXPECT_EQ(row["status"], 0);
  EXPECT_EQ(row["date"], "2026/01/01");
}

}  // namespace
}  // namespace aerotrace::testing
