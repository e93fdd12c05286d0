// The upload and the report's close handling on both drivers, through the
// program's least-privilege account.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "report_rig.h"
#include "results/report_handlers.h"
#include "stored_rows.h"
#include "test_databases.h"

namespace aerotrace::testing {
namespace {

const char* const kFailed = "Leg details NOT uploaded.\r\rTry again";
const char* const kUploaded = "Tour Alpine Hops Leg 1) Innsbruck - Munich uploaded...";

class UploadTest : public ::testing::TestWithParam<Backend> {
 protected:
  UploadTest() : database_(makeTestDatabase(GetParam(), currentTestName())) {}

  // Another leg flown to the same report: the state the leg end leaves.
  static void flyAgain(ReportRig& rig, std::size_t samples, double startLatitude) {
    finishLeg(rig.state, innsbruckMunich(), 0);
    rig.state.track = trackOf(samples, startLatitude);
    rig.view.blockShown = false;
  }

  TestDatabase database_;
};

TEST_P(UploadTest, FirstUploadStoresTheResultWithTryOneAndItsTrack) {
  ReportRig rig(database_.url, 25);
  const UploadOutcome outcome = imgUploadMouseDown(rig.context);

  ASSERT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.tryCount, 1);
  EXPECT_EQ(outcome.trackRows, 12);
  const auto results = resultRows(database_);
  ASSERT_EQ(results.size(), 1u);
  const StoredResultRow& r = results[0];
  EXPECT_EQ(r.id, outcome.legRdyId);
  EXPECT_EQ(r.legId, 1);
  EXPECT_EQ(r.vid, "123456");
  EXPECT_EQ(r.descr, "1) Innsbruck - Munich");
  EXPECT_EQ(r.dep, "LOWI");
  EXPECT_EQ(r.dest, "EDDM");
  EXPECT_EQ(r.tourId, 1);
  EXPECT_EQ(r.route, "LOWI KUFSTEINROSENHEIM hold EDDM");
  EXPECT_EQ(r.points, 25);
  EXPECT_EQ(r.maxPoints, 30);
  EXPECT_EQ(r.tryCount, 1);
  EXPECT_EQ(r.depDate, "2026-05-01");
  EXPECT_EQ(r.depTime, "08:15:42");
  EXPECT_EQ(r.arrTime, "09:02:10");
  EXPECT_EQ(r.gMax, "2.000");
  EXPECT_EQ(r.gMin, "-0.500");
  EXPECT_EQ(r.gTouch, "0.250");
  EXPECT_EQ(r.fuel, "259.4");
  EXPECT_EQ(r.airPlane, "Cessna S");  // cut to its column
  EXPECT_FALSE(r.accepted);           // the server's default

  const auto track = trackRows(database_);
  const std::vector<oRoute> flown = trackOf(12);
  ASSERT_EQ(track.size(), flown.size());
  for (std::size_t i = 0; i < track.size(); ++i) {
    const oRoute& sample = flown[i];
    EXPECT_EQ(track[i].legRdyId, outcome.legRdyId);
    EXPECT_DOUBLE_EQ(track[i].latitude, sample.Latitude) << i;
    EXPECT_DOUBLE_EQ(track[i].longitude, sample.Longitude) << i;
    EXPECT_EQ(track[i].alt, sample.Alt) << i;
    EXPECT_EQ(track[i].grndSp, sample.GrndSp) << i;
    EXPECT_EQ(track[i].hdg, sample.Hdg) << i;
    EXPECT_EQ(track[i].com1 + track[i].nav1 + track[i].nav2, "") << i;
    EXPECT_EQ(track[i].qnh, sample.QNH) << i;
  }

  // Settled, confirmed, and the report closed behind it.
  EXPECT_FALSE(static_cast<bool>(rig.state.legActive));
  EXPECT_EQ(rig.state.activeLegId, 0);
  EXPECT_EQ(rig.opener.opened(), std::vector<std::string>{"https://tours.example.org/alpine-hops"});
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{kUploaded});
  EXPECT_TRUE(rig.view.questions.empty());
  EXPECT_TRUE(rig.view.blockShown);
  EXPECT_EQ(rig.view.hidden, 1);
  EXPECT_TRUE(rig.state.track.empty());
  EXPECT_EQ(rig.state.airportIcao, "");
  EXPECT_TRUE(rig.cycle.timerEnabled());
  EXPECT_FALSE(rig.data.Con.Connected());
}

TEST_P(UploadTest, ReUploadOverwritesTheRowRaisesTryReplacesTrackAndKeepsTheVerdict) {
  ReportRig rig(database_.url, 25);
  const UploadOutcome first = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(first.ok);
  query(database_, "UPDATE LegRdy SET LegAccepted = 1");
  // A second pilot's upload of the same leg stays out of the count.
  ReportRig other(database_.url, 22);
  other.state.vid = "654321";
  ASSERT_TRUE(imgUploadMouseDown(other.context).ok);

  flyAgain(rig, 3, 10.0);
  rig.context.points = 28;
  const UploadOutcome second = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(second.legRdyId, first.legRdyId);
  EXPECT_EQ(second.tryCount, 2);

  const auto results = resultRows(database_);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].id, first.legRdyId);
  EXPECT_EQ(results[0].tryCount, 2);
  EXPECT_EQ(results[0].points, 28);
  EXPECT_TRUE(results[0].accepted);
  EXPECT_EQ(results[1].vid, "654321");
  EXPECT_EQ(results[1].tryCount, 1);

  std::vector<double> latitudes;
  for (const StoredTrackRow& p : trackRows(database_)) {
    if (p.legRdyId == first.legRdyId) latitudes.push_back(p.latitude);
  }
  std::vector<double> flown;
  for (const oRoute& p : trackOf(3, 10.0)) flown.push_back(p.Latitude);
  EXPECT_EQ(latitudes, flown);
  EXPECT_EQ(countOf(database_, "LegRdyFR"), 3 + 12);  // the other pilot's track stays
}

// What the stored rows of this pilot and leg make of the next upload.
TEST_P(UploadTest, TryCounterFollowsTheStoredRows) {
  struct Case {
    std::vector<std::optional<int>> storedTries;
    int expectedTry;
    bool appended;
  };
  const std::vector<Case> cases{
      {{}, 1, true},     {{1}, 2, false},           {{6}, 7, false},
      {{0}, 1, true},    {{std::nullopt}, 1, true}, {{1, 1}, 1, true},
      {{2, 5}, 1, true},
  };
  for (const Case& c : cases) {
    query(database_, "DELETE FROM LegRdy");
    for (const auto& t : c.storedTries) {
      query(database_,
            "INSERT INTO LegRdy (legId, VID, Descr, `try`) VALUES (1, '123456', 'old', ?)",
            {t ? db::Value{std::int64_t{*t}} : db::Value{}});
    }
    ReportRig rig(database_.url);
    const UploadOutcome outcome = imgUploadMouseDown(rig.context);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.tryCount, c.expectedTry) << c.storedTries.size();
    const auto results = resultRows(database_);
    ASSERT_EQ(results.size(), c.storedTries.size() + (c.appended ? 1 : 0));
    const StoredResultRow& written = c.appended ? results.back() : results.front();
    EXPECT_EQ(written.id, outcome.legRdyId);
    EXPECT_EQ(written.tryCount, c.expectedTry);
    EXPECT_EQ(written.descr, "1) Innsbruck - Munich");
    // The rows left beside a new one are untouched.
    for (std::size_t i = 0; c.appended && i + 1 < results.size(); ++i) {
      EXPECT_EQ(results[i].descr, "old");
    }
  }
}

TEST_P(UploadTest, EmptyTrackStoresTheResultAndRemovesTheEarlierTrack) {
  ReportRig rig(database_.url);
  const UploadOutcome first = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(first.ok);
  ASSERT_EQ(countOf(database_, "LegRdyFR"), 12);

  flyAgain(rig, 0, 0);
  const UploadOutcome second = imgUploadMouseDown(rig.context);
  ASSERT_TRUE(second.ok);
  EXPECT_EQ(second.tryCount, 2);
  EXPECT_EQ(second.trackRows, 0);
  EXPECT_EQ(countOf(database_, "LegRdyFR"), 0);
  EXPECT_EQ(rig.view.messages.back(), kUploaded);
}

TEST_P(UploadTest, TourPageIsOpenedWithQuotesEscapedAndOnlyWhenThere) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases{
      {"", {}},
      {"https://tours.example.org/lakes?tour=\"2\"",
       {"https://tours.example.org/lakes?tour=%222%22"}},
      {"\"", {"%22"}},
  };
  for (const auto& [link, opened] : cases) {
    ReportRig rig(database_.url);
    rig.state.legs[0].TourLink = link;
    ASSERT_TRUE(imgUploadMouseDown(rig.context).ok);
    EXPECT_EQ(rig.opener.opened(), opened) << link;
    EXPECT_EQ(rig.view.messages, std::vector<std::string>{kUploaded}) << link;
  }
}

TEST_P(UploadTest, NoLegAtTheIndexWritesNothingAndOffersTheButtonAgain) {
  ReportRig rig(database_.url);
  rig.state.legs.clear();  // reloaded after the leg was abandoned
  const UploadOutcome outcome = imgUploadMouseDown(rig.context);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{kFailed});
  EXPECT_FALSE(rig.view.blockShown);
  EXPECT_EQ(rig.view.hidden, 0);
  EXPECT_TRUE(static_cast<bool>(rig.state.legActive));
  EXPECT_EQ(rig.state.activeLegId, 1);
  EXPECT_EQ(rig.state.track.size(), 12u);
  EXPECT_EQ(countOf(database_, "LegRdy"), 0);
}

// A press that comes late (a double click, a press queued behind a reader
// pass) finds nothing to upload: it writes, opens and shows nothing.
TEST_P(UploadTest, APressWithNoLegWaitingDoesNothing) {
  struct Case {
    const char* what;
    void (*arrange)(ReportRig&);
  };
  const Case cases[] = {
      {"after an upload", [](ReportRig& rig) { ASSERT_TRUE(imgUploadMouseDown(rig.context).ok); }},
      {"after the report closed", [](ReportRig& rig) { FormClose(rig.context); }},
      {"no active leg", [](ReportRig& rig) { rig.state.legActive = false; }},
      {"leg id 0", [](ReportRig& rig) { rig.state.activeLegId = 0; }},
      {"while the upload runs", [](ReportRig& rig) { rig.view.blockShown = true; }},
  };
  for (const Case& c : cases) {
    query(database_, "DELETE FROM LegRdyFR");
    query(database_, "DELETE FROM LegRdy");
    ReportRig rig(database_.url);
    c.arrange(rig);
    const std::int64_t rows = countOf(database_, "LegRdy");
    const auto messages = rig.view.messages;
    const auto opened = rig.opener.opened();
    const auto uploads = rig.view.uploads.size();
    const bool block = rig.view.blockShown;
    const int hidden = rig.view.hidden;

    EXPECT_FALSE(imgUploadMouseDown(rig.context).ok) << c.what;
    EXPECT_EQ(countOf(database_, "LegRdy"), rows) << c.what;
    EXPECT_EQ(rig.opener.opened(), opened) << c.what;
    EXPECT_EQ(rig.view.messages, messages) << c.what;
    EXPECT_EQ(rig.view.uploads.size(), uploads) << c.what;
    EXPECT_EQ(rig.view.blockShown, block) << c.what;
    EXPECT_EQ(rig.view.hidden, hidden) << c.what;
  }
}

// Closing the report always ends the leg; a pending upload is offered first.
TEST_P(UploadTest, ClosingTheReport) {
  struct Case {
    const char* what;
    bool blockShown;  // the leg missed its minimum points
    bool answerOk;
    bool asked;
    std::int64_t storedRows;
    int hidden;  // a successful upload closes the report from inside
  };
  const std::vector<Case> cases{
      {"pending, Cancel", false, false, true, 0, 1},
      {"pending, OK", false, true, true, 1, 2},
      {"points missed", true, true, false, 0, 1},
  };
  for (const Case& c : cases) {
    query(database_, "DELETE FROM LegRdy");
    ReportRig rig(database_.url);
    rig.view.blockShown = c.blockShown;
    rig.view.answerOk = c.answerOk;
    FormClose(rig.context);

    EXPECT_EQ(rig.view.questions.size(), c.asked ? 1u : 0u) << c.what;
    if (c.asked) {
      EXPECT_EQ(rig.view.questions[0], "Leg not uploaded.\nUpload now?") << c.what;
    }
    EXPECT_EQ(countOf(database_, "LegRdy"), c.storedRows) << c.what;
    EXPECT_EQ(rig.view.hidden, c.hidden) << c.what;
    EXPECT_TRUE(rig.state.track.empty()) << c.what;
    EXPECT_EQ(rig.state.airportIcao, "") << c.what;
    EXPECT_FALSE(static_cast<bool>(rig.state.legActive)) << c.what;
    EXPECT_TRUE(rig.cycle.timerEnabled()) << c.what;
  }
}

TEST_P(UploadTest, FailedUploadFromTheClosePromptStillEndsTheLeg) {
  ReportRig rig(database_.url);
  rig.view.answerOk = true;
  rig.state.legs.clear();
  FormClose(rig.context);
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{kFailed});
  EXPECT_FALSE(static_cast<bool>(rig.state.legActive));
  EXPECT_TRUE(rig.state.track.empty());
  EXPECT_EQ(rig.view.hidden, 1);
  EXPECT_EQ(countOf(database_, "LegRdy"), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, UploadTest, ::testing::ValuesIn(testBackends()),
                         backendParamName);

}  // namespace
}  // namespace aerotrace::testing
