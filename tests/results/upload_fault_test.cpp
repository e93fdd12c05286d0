// The upload against a real MariaDB server that goes away: stopped before the
// upload, or the connection killed while the track goes in. Nothing of a
// failed attempt may stay, so the retry counts only real uploads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/connection.h"
#include "report_rig.h"
#include "results/report_handlers.h"
#include "stored_rows.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

const char* const kFailed = "Leg details NOT uploaded.\r\rTry again";

void expectFailedAndUntouched(const ReportRig& rig, const UploadOutcome& outcome,
                              std::size_t trackSize) {
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{kFailed});
  EXPECT_FALSE(rig.view.blockShown);  // the button can be pressed again
  EXPECT_EQ(rig.view.hidden, 0);      // the report stays open
  EXPECT_TRUE(rig.opener.opened().empty());
  EXPECT_TRUE(static_cast<bool>(rig.state.legActive));
  EXPECT_EQ(rig.state.activeLegId, 1);
  EXPECT_EQ(rig.state.track.size(), trackSize);
  EXPECT_EQ(rig.state.airportIcao, "EDDM");
  EXPECT_FALSE(rig.data.Con.Connected());
}

// A server of the test's own, which it may stop and start again without
// disturbing the tests that share the fixture's server.
class PrivateServer {
 public:
  PrivateServer()
      : dir_(std::filesystem::temp_directory_path() /
             ("aerotrace-private-mariadb-" + std::to_string(getpid()))) {
    run("start");
    setenv("AEROTRACE_TEST_MARIADB", dir_.c_str(), 1);
  }
  ~PrivateServer() {
    std::system(command("stop").c_str());
    if (shared_) setenv("AEROTRACE_TEST_MARIADB", shared_->c_str(), 1);
  }
  PrivateServer(const PrivateServer&) = delete;
  PrivateServer& operator=(const PrivateServer&) = delete;

  void halt() { run("halt"); }
  void resume() { run("resume"); }

 private:
  std::string command(const char* action) const {
    return std::string("bash '") + AEROTRACE_MARIADB_SCRIPT + "' " + action + " '" + dir_.string() +
           "' >/dev/null 2>&1";
  }
  void run(const char* action) {
    if (std::system(command(action).c_str()) != 0) {
      throw std::runtime_error(std::string("mariadb_server.sh ") + action + " failed");
    }
  }

  std::filesystem::path dir_;
  std::optional<std::string> shared_ = [] {
    const char* d = std::getenv("AEROTRACE_TEST_MARIADB");
    return d ? std::optional<std::string>(d) : std::nullopt;
  }();
};

TEST(UploadFaultTest, ServerStoppedBeforeTheUpload) {
  PrivateServer server;
  const TestDatabase database = makeTestDatabase(Backend::MariaDb, currentTestName());
  ReportRig rig(database.url);
  server.halt();

  expectFailedAndUntouched(rig, imgUploadMouseDown(rig.context), 12);

  server.resume();
  EXPECT_EQ(countOf(database, "LegRdy"), 0);
  EXPECT_EQ(countOf(database, "LegRdyFR"), 0);
  const UploadOutcome retry = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(retry.ok);
  EXPECT_EQ(retry.tryCount, 1);
  EXPECT_EQ(countOf(database, "LegRdyFR"), 12);
}

// The upload's session is killed from a second connection once the first
// batch of track rows is in.
class KillTest : public ::testing::TestWithParam<bool> {};

TEST_P(KillTest, KilledMidTrack) {
  const bool uploadedBefore = GetParam();
  const TestDatabase database = makeTestDatabase(Backend::MariaDb, currentTestName());
  const MariaDbServer server = mariaDbServer();
  if (uploadedBefore) {
    ReportRig earlier(database.url, 21);
    earlier.state.track = trackOf(5, 30.0);
    ASSERT_TRUE(imgUploadMouseDown(earlier.context).ok);
  }
  const auto resultsBefore = resultRows(database);
  const auto trackBefore = trackRows(database);

  ReportRig rig(database.url);
  rig.state.track = trackOf(35);
  rig.context.store.trackBatchRows = 10;
  std::vector<std::size_t> batches;
  rig.context.store.afterTrackBatch = [&](std::size_t stored) {
    batches.push_back(stored);
    if (batches.size() != 1) return;
    auto admin = database.admin();
    const db::StatementResult sessions =
        admin->run("SELECT ID FROM information_schema.PROCESSLIST WHERE USER = ? AND DB = ?",
                   {server.appUser, database.url.substr(database.url.rfind('/') + 1)});
    ASSERT_EQ(sessions.rows.size(), 1u);
    admin->run("KILL CONNECTION " + std::to_string(db::toInteger(sessions.rows[0][0])), {});
  };

  expectFailedAndUntouched(rig, imgUploadMouseDown(rig.context), 35);
  EXPECT_EQ(batches, std::vector<std::size_t>{10});

  // Exactly what was there before the attempt, row for row.
  const auto resultsAfter = resultRows(database);
  ASSERT_EQ(resultsAfter.size(), resultsBefore.size());
  for (std::size_t i = 0; i < resultsAfter.size(); ++i) {
    EXPECT_EQ(resultsAfter[i].id, resultsBefore[i].id);
    EXPECT_EQ(resultsAfter[i].tryCount, resultsBefore[i].tryCount);
    EXPECT_EQ(resultsAfter[i].points, resultsBefore[i].points);
  }
  const auto trackAfter = trackRows(database);
  ASSERT_EQ(trackAfter.size(), trackBefore.size());
  for (std::size_t i = 0; i < trackAfter.size(); ++i) {
    EXPECT_DOUBLE_EQ(trackAfter[i].latitude, trackBefore[i].latitude);
  }

  rig.context.store.afterTrackBatch = {};
  rig.view.messages.clear();
  const UploadOutcome retry = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(retry.ok);
  EXPECT_EQ(retry.tryCount, uploadedBefore ? 2 : 1);
  EXPECT_EQ(retry.trackRows, 35);
  EXPECT_EQ(countOf(database, "LegRdy"), 1);
  EXPECT_EQ(countOf(database, "LegRdyFR"), 35);
}

INSTANTIATE_TEST_SUITE_P(Earlier, KillTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& p) {
                           return p.param ? "AfterAnEarlierUpload" : "FirstUpload";
                         });

}  // namespace
}  // namespace aerotrace::testing
