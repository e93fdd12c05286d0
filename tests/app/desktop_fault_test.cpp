// The real program, killed with SIGKILL ten times over the demo flight on a
// MariaDB server and started again each time on the same data folder
// (tests/app/desktop_faults.sh): eight times in flight, once at the report
// and once just after a start, while it uploads what it kept. Each start in
// flight resumes the leg; at the end the leg is on the server exactly once,
// judged as if it had never been interrupted, with its whole track, and
// nothing is left in the pilot's store.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "db/value.h"
#include "standin/flight_file.h"
#include "store/local_store.h"
#include "temp_folder.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// The flight from `from` on, its first row holding every value that stands
// then: what a simulator restarted at that moment serves.
std::string tailFrom(const FlightFile& flight, double from) {
  std::ostringstream out;
  out.precision(12);
  out << "t";
  for (std::size_t c = 0; c <= static_cast<std::size_t>(FlightColumn::action); ++c) {
    out << ',' << FlightFile::columnName(static_cast<FlightColumn>(c));
  }
  out << '\n';
  const auto row = [&](double t, const FlightSample& v, const std::vector<std::string>& actions) {
    out << t;
    for (double n : v.numbers) out << ',' << n;
    out << ',' << v.title << ',';
    for (std::size_t i = 0; i < actions.size(); ++i) out << (i ? " " : "") << actions[i];
    out << '\n';
  };
  row(0, flight.sampleAt(from), {});
  for (const FlightRow& r : flight.rows()) {
    if (r.t > from) row(r.t - from, r.held, r.actions);
  }
  return out.str();
}

std::vector<json> readLog(const fs::path& file) {
  std::vector<json> events;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) events.push_back(json::parse(line));
  }
  return events;
}

std::vector<json> named(const std::vector<json>& log, const std::string& name) {
  std::vector<json> out;
  for (const json& e : log) {
    if (e["event"] == name) out.push_back(e);
  }
  return out;
}

TEST(DesktopFaultTest, TenKillsOverTheDemoFlightLoseNothingAndUploadOnce) {
  TestDatabase db = makeTestDatabase(Backend::MariaDb, "desktop_faults", true);
  TempFolder work("aerotrace-desktop-faults");
  fs::create_directories(work.path());
  const FlightFile flight = FlightFile::load(AEROTRACE_DEMO_FLIGHT);

  // Where each segment starts in the demo flight and how it ends. The hold
  // over Rosenheim (about 786 to 877 s) is left alone: a wait that was
  // running starts again after a resume, and the flight would not hold long
  // enough a second time.
  struct Segment {
    double from;
    std::string kill;
  };
  const std::vector<Segment> segments = {
      {0, "60"},        {60, "190"},      {250, "180"},   {430, "190"},
      {620, "380"},     {1000, "200"},    {1200, "200"},  {1400, "160"},
      {1560, "report"}, {1690, "start+0.8"}, {1690, "end"},
  };
  {
    std::ofstream list(work.path() / "segments.txt");
    for (std::size_t i = 0; i < segments.size(); ++i) {
      const fs::path file = work.path() / ("flight-" + std::to_string(i + 1) + ".csv");
      std::ofstream(file) << tailFrom(flight, segments[i].from);
      list << file.string() << ' ' << segments[i].kill << '\n';
    }
  }
  const std::string command = "AEROTRACE_TOURS='" + db.url + "' bash '" AEROTRACE_FAULT_SCRIPT "' '" +
                              work.str() + "' '" AEROTRACE_BUILD_DIR "' " AEROTRACE_FLIGHT_SPEED +
                              " >'" + (work.path() / "faults.log").string() + "' 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_EQ(status, 0) << std::ifstream(work.path() / "faults.log").rdbuf();

  std::vector<std::vector<json>> logs;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    logs.push_back(readLog(work.path() / ("events-" + std::to_string(i + 1) + ".jsonl")));
  }
  // Started once; every start in flight resumed it, none discarded it.
  EXPECT_EQ(named(logs[0], "start").size(), 1u);
  for (std::size_t i = 1; i < 9; ++i) {
    EXPECT_EQ(named(logs[i], "resume").size(), 1u) << "segment " << i + 1;
    EXPECT_TRUE(named(logs[i], "start").empty()) << "segment " << i + 1;
    EXPECT_TRUE(named(logs[i], "discard").empty()) << "segment " << i + 1;
  }
  // Judged as the uninterrupted flight is: each checkpoint once, 20 points.
  std::vector<std::string> checkpoints;
  std::vector<json> uploads;
  for (std::size_t i = 0; i < logs.size(); ++i) {
    for (const json& e : named(logs[i], "checkpoint")) {
      checkpoints.push_back(e["descr"].get<std::string>() + (e["ok"] ? " ok" : " failed"));
    }
    for (const json& e : named(logs[i], "upload")) {
      uploads.push_back(e);
      // Where the kills fell decides which start sent it; worth seeing.
      std::printf("segment %zu: upload %s\n", i + 1, e.dump().c_str());
    }
  }
  EXPECT_EQ(checkpoints, (std::vector<std::string>{"Kufstein gap, below 250 kts failed",
                                                    "Hold over Rosenheim ok",
                                                    "Welcome to Munich ok"}));
  ASSERT_EQ(named(logs[8], "report").size(), 1u);
  EXPECT_EQ(named(logs[8], "report")[0]["points"], "20");

  // On the server exactly once, with the whole track.
  auto admin = db.admin();
  const auto rows = admin->run(
      "SELECT LegRdyid, `try`, Points FROM LegRdy WHERE VID = '123456' AND legId = 1", {}).rows;
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(db::toInteger(rows[0][1]), 1);
  EXPECT_EQ(db::toInteger(rows[0][2]), 20);
  const auto track = admin->run(
      "SELECT Latitude, Longitude FROM LegRdyFR WHERE LegRdyId = ? ORDER BY Id", {rows[0][0]}).rows;
  ASSERT_GE(track.size(), 8u);
  EXPECT_NEAR(db::toFloat(track.front()[0]), 47.26, 0.05);  // Innsbruck
  EXPECT_NEAR(db::toFloat(track.back()[0]), 48.35, 0.1);    // Munich
  int succeeded = 0;
  for (const json& u : uploads) {
    if (u["ok"] != true) continue;
    ++succeeded;
    EXPECT_EQ(u["legRdyId"], db::toInteger(rows[0][0]));
    EXPECT_EQ(u["try"], 1);
    EXPECT_EQ(u["trackRows"], static_cast<std::int64_t>(track.size()));
  }
  EXPECT_GE(succeeded, 1);

  // Nothing kept: the leg left the store once the server had it.
  auto store = LocalStore::open(work.path() / "data");
  EXPECT_FALSE(store->readJournal());
  EXPECT_TRUE(store->outbox().empty());
  const auto histories = named(logs.back(), "history");
  ASSERT_FALSE(histories.empty());
  ASSERT_EQ(histories.back()["rows"].size(), 1u);
  EXPECT_FALSE(histories.back()["rows"][0].contains("pending"));
}

}  // namespace
}  // namespace aerotrace::testing
