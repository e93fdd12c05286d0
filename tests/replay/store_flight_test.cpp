// Flights over more than one run of the program, sharing one data folder:
// a leg that survives a crash, results that survive a Cancel, a server that
// is down and an answer lost after the commit.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/sql_script.h"
#include "fault_driver.h"
#include "replay_fixture.h"
#include "store/local_store.h"
#include "temp_folder.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

const std::string kDir = AEROTRACE_REPLAY_TEST_DIR;
const char* const kHeader = "t,lat,lon,alt,ias,gs,hdg,ground,fuel,g,title,action\n";

// Leg 71, ALFA to BRAV, a minute held over Mike (its checkpoint done), half
// a minute more near it, then the crash.
const std::string kToMikeThenCrash = std::string(kHeader) +
                                     "0,10,10,500,0,0,90,1,600,0,Test Plane,\n"
                                     "1,,,,,,,,,,,start\n"
                                     "5,10,10.01,500,60,60,90,1,600,,,\n"
                                     "10,10,10.05,2000,150,150,90,0,599,,,\n"
                                     "200,10,10.20,3000,150,150,90,0,596,,,\n"
                                     "220,10,10.25,3000,150,150,90,0,595,,,\n"
                                     "290,10,10.26,3000,150,150,90,0,590,,,\n"
                                     "320,,,,,,,,,,,crash\n"
                                     "400,10,10.3,3000,150,150,90,0,580,,,\n";

// The second run: from where the first was left (or `lon`, `fuel`) on to
// Bravo, a landing, a stop and UPLOAD LEG.
std::string onToBravo(const std::string& lon = "10.27", const std::string& fuel = "589") {
  return std::string(kHeader) + "0,10," + lon + ",3000,150,150,90,0," + fuel +
         ",0,Test Plane,\n"
         "200,10,10.40,2000,150,150,90,0,585,,,\n"
         "300,10,10.45,1500,120,120,90,0,583,,,\n"
         "310,10,10.5,1400,110,110,90,1,582,0.3,,\n"
         "320,10,10.501,1400,20,20,90,1,582,0,,\n"
         "330,10,10.502,1400,0,0,90,1,582,,,\n"
         "340,,,,,,,,,,,upload\n"
         "350,,,,,,,,,,,\n";
}

// A pilot who only starts the program at Alfa and waits.
std::string parked(int seconds) {
  return std::string(kHeader) + "0,10,10,500,0,0,90,1,600,0,Test Plane,\n" +
         std::to_string(seconds) + ",,,,,,,,,,,\n";
}

std::string arrivalThen(const std::string& rows) {
  return readFile(kDir + "/flights/arrival.csv") + rows;
}

struct Row {
  std::int64_t id = 0, tries = 0;
  std::string depDate, depTime, arrTime;
  std::int64_t points = 0;
};

class StoreFlightTest : public ::testing::Test {
 protected:
  PlayedReplay fly(const std::string& csv, const std::string& start = "2026-01-01T12:00:00Z",
                   const std::function<void(Replay&)>& setUp = {}) {
    ReplayOptions o = parseReplayArguments({"--start", start, "--data-dir", data_.str(), "x.csv"});
    o.toursUrl = db_.url;
    o.airportsPath = kDir + "/data/airports.csv";
    return PlayedReplay(FlightFile::parse(csv, "x.csv"), o, setUp);
  }
  // The next run's database driver fails as `faults` say.
  std::function<void(Replay&)> faulty(std::shared_ptr<DriverFaults> faults) {
    return [this, faults](Replay& r) {
      r.data().Con = db::Connection(std::make_unique<FaultDriver>(db::makeDriver(db_.url), faults));
    };
  }

  std::vector<Row> results() {
    std::vector<Row> rows;
    for (const auto& r : db_.admin()->run(
             "SELECT LegRdyid, `try`, DepDate, DepTime, ArrTime, Points FROM LegRdy ORDER BY 1",
             {}).rows) {
      rows.push_back({db::toInteger(r[0]), db::toInteger(r[1]), db::toText(r[2]), db::toText(r[3]),
                      db::toText(r[4]), db::toInteger(r[5])});
    }
    return rows;
  }
  std::vector<double> trackLongitudes(std::int64_t legRdyId) {
    std::vector<double> lons;
    for (const auto& r : db_.admin()->run(
             "SELECT Longitude FROM LegRdyFR WHERE LegRdyId = ? ORDER BY Id", {legRdyId}).rows) {
      lons.push_back(db::toFloat(r[0]));
    }
    return lons;
  }
  std::size_t storedLegs() {
    auto store = LocalStore::open(data_.path());
    return store->outbox().size();
  }

  TestDatabase db_ = [] {
    TestDatabase db = makeTestDatabase(Backend::Sqlite, currentTestName(), true);
    db::runSqlScript(*db.admin(), readFile(kDir + "/data/tours.sql"));
    return db;
  }();
  TempFolder data_{"aerotrace-store-flight"};
};

TEST_F(StoreFlightTest, ALegCrashedAfterItsFirstCheckpointResumesAndUploadsWhole) {
  PlayedReplay first = fly(kToMikeThenCrash);
  ASSERT_EQ(first.outcome, Replay::Outcome::Crashed);
  ASSERT_EQ(first.named("checkpoint").size(), 1u);
  EXPECT_EQ(first.named("checkpoint")[0]["result"], "Passed.");
  EXPECT_LT(first.events.back()["t"].get<double>(), 320.5);  // nothing after the crash

  PlayedReplay second = fly(onToBravo(), "2026-01-01T12:30:00Z");
  ASSERT_EQ(second.named("resume").size(), 1u);
  EXPECT_EQ(second.named("resume")[0]["leg"], 71);
  EXPECT_TRUE(second.named("start").empty());
  const auto reports = second.named("report");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0]["rows"], EventJson::parse(R"([
      {"descr":"Hold at Mike","result":"Passed.","points":"10"},
      {"descr":"Welcome to Bravo","result":"Passed.","points":"10"}])"));
  EXPECT_EQ(reports[0]["points"], "20");
  EXPECT_EQ(reports[0]["depTime"], "12:00");  // the first start's
  EXPECT_EQ(reports[0]["arrTime"], "12:35");
  EXPECT_EQ(reports[0]["fuelStart"], "600");
  EXPECT_EQ(reports[0]["fuelUsed"], "18");

  const auto uploads = second.named("upload");
  ASSERT_EQ(uploads.size(), 1u);
  EXPECT_EQ(uploads[0]["ok"], true);
  EXPECT_EQ(uploads[0]["queued"], false);
  const auto rows = results();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].tries, 1);
  EXPECT_EQ(rows[0].depDate, "2026-01-01");
  EXPECT_EQ(rows[0].depTime, "12:00:01");
  EXPECT_EQ(rows[0].points, 20);
  // Both parts of the track: Alfa and the way out from the first run, the
  // rest from the second.
  const auto lons = trackLongitudes(rows[0].id);
  EXPECT_EQ(static_cast<std::int64_t>(lons.size()), uploads[0]["trackRows"].get<std::int64_t>());
  ASSERT_GE(lons.size(), 4u);
  EXPECT_NEAR(lons[0], 10.0, 1e-6);
  EXPECT_NEAR(lons[1], 10.05, 1e-6);
  EXPECT_NEAR(lons[2], 10.27, 1e-6);
  EXPECT_NEAR(lons[3], 10.40, 1e-6);
  EXPECT_EQ(storedLegs(), 0u);
}

TEST_F(StoreFlightTest, AResumeIsOfferedOnlyNearWhereTheLegWasLeftAndWithoutFuelAdded) {
  struct Case {
    const char* name;
    const char* lon;   // the crash left the aircraft at 10.26
    const char* fuel;  // ... with 590 litres
    bool resumed;
  };
  // At latitude 10 a mile is about 0.0147 degrees of longitude.
  const Case cases[] = {
      {"6 miles away", "10.348", "590", false},
      {"30 litres added", "10.26", "620", false},
      // Short of both limits by less than the simulator's own rounding.
      {"4.8 miles away, 24 litres added", "10.33", "614", true},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(data_.path());
    fly(kToMikeThenCrash);
    PlayedReplay again = fly(onToBravo(c.lon, c.fuel), "2026-01-01T12:30:00Z");
    EXPECT_EQ(again.named("resume").size(), c.resumed ? 1u : 0u) << c.name;
    EXPECT_EQ(again.named("discard").size(), c.resumed ? 0u : 1u) << c.name;
    const auto messages = again.texts("message");
    const bool told = std::find(messages.begin(), messages.end(),
                                "Leg Test Hops Alfa - Bravo cannot be resumed here.") !=
                      messages.end();
    EXPECT_EQ(told, !c.resumed) << c.name;
    EXPECT_EQ(again.named("report").size(), c.resumed ? 1u : 0u) << c.name;
    // Discarded, it is gone for good: a third run offers nothing.
    PlayedReplay third = fly(parked(5), "2026-01-01T13:00:00Z");
    EXPECT_TRUE(third.named("resume").empty()) << c.name;
    EXPECT_TRUE(third.named("discard").empty()) << c.name;
  }
}

TEST_F(StoreFlightTest, AResultCancelledAtUploadNowIsOfferedAtTheNextStart) {
  PlayedReplay first = fly(arrivalThen("165,,,,,,,,,,,close\n170,,,,,,,,,,,\n"));
  EXPECT_TRUE(first.named("upload").empty());
  EXPECT_TRUE(results().empty());
  EXPECT_EQ(storedLegs(), 1u);

  // The next start offers it; OK uploads it, quietly, once.
  PlayedReplay second = fly(parked(5), "2026-01-02T09:00:00Z");
  const auto uploads = second.named("upload");
  ASSERT_EQ(uploads.size(), 1u);
  EXPECT_EQ(uploads[0]["ok"], true);
  EXPECT_EQ(uploads[0]["queued"], true);
  EXPECT_EQ(uploads[0]["try"], 1);
  EXPECT_TRUE(second.texts("message").empty());
  const auto rows = results();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].depTime, "12:00:01");
  EXPECT_EQ(storedLegs(), 0u);
}

TEST_F(StoreFlightTest, MyLegsListsAKeptLegFirstUntilItIsUploaded) {
  fly(arrivalThen("165,,,,,,,,,,,upload\n170,,,,,,,,,,,\n"));  // a first leg on the server
  PlayedReplay second = fly(arrivalThen("165,,,,,,,,,,,close\n170,,,,,,,,,,,history\n"),
                            "2026-01-02T09:00:00Z");
  const auto histories = second.named("history");
  ASSERT_EQ(histories.size(), 1u);
  const auto& rows = histories[0]["rows"];
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0]["pending"], true);
  EXPECT_EQ(rows[0]["date"], "2026/01/02");
  EXPECT_EQ(rows[0]["status"], 3);
  EXPECT_FALSE(rows[1].contains("pending"));
  EXPECT_EQ(rows[1]["date"], "2026/01/01");
}

TEST_F(StoreFlightTest, AnUploadToAServerThatIsDownIsRetriedByALaterRun) {
  auto faults = std::make_shared<DriverFaults>();
  faults->beginsRefused = 1;
  PlayedReplay first = fly(arrivalThen("165,,,,,,,,,,,upload\n166,,,,,,,,,,,close\n170,,,,,,,,,,,\n"),
                           "2026-01-01T12:00:00Z", faulty(faults));
  ASSERT_EQ(first.named("upload").size(), 1u);
  EXPECT_EQ(first.named("upload")[0]["ok"], false);
  EXPECT_TRUE(results().empty());

  // Asked for once, it goes without a question or a message.
  PlayedReplay second = fly(parked(5), "2026-01-01T14:00:00Z");
  const auto uploads = second.named("upload");
  ASSERT_EQ(uploads.size(), 1u);
  EXPECT_EQ(uploads[0]["ok"], true);
  EXPECT_EQ(uploads[0]["queued"], true);
  EXPECT_TRUE(second.texts("message").empty());
  const auto rows = results();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].tries, 1);
  EXPECT_EQ(static_cast<std::int64_t>(trackLongitudes(rows[0].id).size()),
            uploads[0]["trackRows"].get<std::int64_t>());
  EXPECT_GE(trackLongitudes(rows[0].id).size(), 1u);
}

TEST_F(StoreFlightTest, AnAnswerLostAfterTheCommitWritesNoSecondRowOrTry) {
  auto faults = std::make_shared<DriverFaults>();
  faults->answersLost = 1;
  // The pilot sees the failure and closes; five minutes later, still in the
  // same run, the retry finds the committed row.
  PlayedReplay first =
      fly(arrivalThen("165,,,,,,,,,,,upload\n166,,,,,,,,,,,close\n500,,,,,,,,,,,\n"),
          "2026-01-01T12:00:00Z", faulty(faults));
  const auto uploads = first.named("upload");
  ASSERT_EQ(uploads.size(), 2u);
  EXPECT_EQ(uploads[0]["ok"], false);
  EXPECT_EQ(uploads[1]["ok"], true);
  EXPECT_EQ(uploads[1]["queued"], true);
  EXPECT_EQ(uploads[1]["try"], 1);
  EXPECT_EQ(faults->commits, 1);  // the retry wrote nothing
  const auto rows = results();
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].tries, 1);
  EXPECT_EQ(uploads[1]["legRdyId"].get<std::int64_t>(), rows[0].id);
  EXPECT_EQ(static_cast<std::int64_t>(trackLongitudes(rows[0].id).size()),
            uploads[1]["trackRows"].get<std::int64_t>());
  EXPECT_EQ(storedLegs(), 0u);

  // A later run has nothing left to send.
  PlayedReplay second = fly(parked(5), "2026-01-01T14:00:00Z");
  EXPECT_TRUE(second.named("upload").empty());
  EXPECT_EQ(results().size(), 1u);
}

TEST_F(StoreFlightTest, QuitDuringALegKeepsItForTheNextStart) {
  std::string quitting = kToMikeThenCrash;
  quitting.replace(quitting.find("crash"), 5, "quit");
  PlayedReplay first = fly(quitting);
  EXPECT_EQ(first.outcome, Replay::Outcome::Quit);
  PlayedReplay second = fly(onToBravo(), "2026-01-01T12:30:00Z");
  EXPECT_EQ(second.named("resume").size(), 1u);
  EXPECT_EQ(second.named("upload").size(), 1u);
}

// A store the program cannot use is reported once, left as it is, and the
// program flies and uploads as it always did.
TEST_F(StoreFlightTest, AStoreItCannotUseIsReportedOnceAndLeftAlone) {
  std::filesystem::create_directories(data_.path());
  const auto file = data_.path() / LocalStore::kFileName;
  const struct {
    const char* name;
    std::string reason;
  } cases[] = {{"a text file", " is not a database"},
               {"held by another copy", " is in use by another copy of Aerotrace"}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(data_.path());
    std::filesystem::create_directories(data_.path());
    std::unique_ptr<LocalStore> other;
    if (c.reason.find("in use") != std::string::npos) {
      other = LocalStore::open(data_.path());
      other->writeJournal(JournalRecord{}, true);
    } else {
      std::ofstream(file) << "not a database, but the pilot's notes\n";
    }
    const std::string before = readFile(file);
    PlayedReplay r = fly(arrivalThen("165,,,,,,,,,,,upload\n170,,,,,,,,,,,\n"));
    const auto messages = r.texts("message");
    ASSERT_FALSE(messages.empty()) << c.name;
    EXPECT_EQ(messages[0], "The local store cannot be used: " + file.string() + c.reason) << c.name;
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& m) { return m.starts_with("The local store"); }),
              1)
        << c.name;
    ASSERT_EQ(r.named("upload").size(), 1u) << c.name;
    EXPECT_EQ(r.named("upload")[0]["ok"], true) << c.name;
    EXPECT_EQ(readFile(file), before) << c.name;
    if (other) {
      EXPECT_TRUE(other->readJournal()) << c.name;
    }
  }
}

}  // namespace
}  // namespace aerotrace::testing
