// The replay without a tours database: the cycle, the reader pass's writes
// and warnings, the link lamp and the pilot's message actions still run.
#include <gtest/gtest.h>

#include "core/messages.h"
#include "replay_fixture.h"

namespace aerotrace::testing {
namespace {

ReplayOptions offline() {
  ReplayOptions o = parseReplayArguments({"offline.csv"});
  o.toursUrl = "sqlite:/nonexistent/tours.sqlite";
  o.airportsPath = std::string(AEROTRACE_REPLAY_TEST_DIR) + "/data/airports.csv";
  return o;
}

std::vector<std::string> kinds(const PlayedReplay& r) {
  std::vector<std::string> out;
  for (const EventJson& e : r.events) out.push_back(e["event"]);
  return out;
}

TEST(ReplayOfflineTest, NoServerAtTheAirportIsAMessageAndTheCycleGoesOn) {
  PlayedReplay r(FlightFile::parse("t,lat,lon,ground,fuel,rate,sim,action\n"
                                   "0,10,10,1,600,512,1,\n"
                                   "1,,,,,,0,\n"
                                   "2,,,,,,1,\n"
                                   "3,,,,,,,repeat text repeat\n",
                                   "offline.csv"),
                 offline());
  ASSERT_EQ(r.outcome, Replay::Outcome::Played);
  // The first pass clamps the rate silently: speech is switched on only
  // by the show handling after it.
  EXPECT_EQ(kinds(r), (std::vector<std::string>{
                          "sim-write",         // the rate clamp, within the first pass
                          "lamp",              // first tick
                          "display",           // the fuel figure changed
                          "panel",             // out at ALFA
                          "airport",           //
                          "legs",              // none: no server
                          "message",           // "No connection with server"
                          "lamp",              // the simulator went at 1 s
                          "lamp",              // and came back at 2 s
                          "simtext", "speak",  // repeat with text on
                          "speak",             // repeat with text off
                          "sim-write",         // the repeated text reaches the simulator
                      }));
  EXPECT_EQ(r.texts("message"), std::vector<std::string>{"No connection with server"});
  EXPECT_EQ(r.texts("speak"), (std::vector<std::string>{msg::kNoLastMessage, msg::kNoLastMessage}));
  EXPECT_EQ(r.named("sim-write")[0]["what"], "rate");
  const auto lamps = r.named("lamp");
  EXPECT_EQ(lamps[0]["connected"], true);
  EXPECT_EQ(lamps[1]["connected"], false);
  EXPECT_GE(lamps[1]["t"].get<double>(), 1);
  EXPECT_EQ(lamps[2]["connected"], true);
  // The first tick comes one tick after the first pass, the actions on the
  // tick at 3 s.
  EXPECT_DOUBLE_EQ(r.named("lamp")[0]["t"].get<double>(), 0.2);
  EXPECT_DOUBLE_EQ(r.named("simtext")[0]["t"].get<double>(), 3.0);
}

TEST(ReplayOfflineTest, TheTickSetsTheSimulatedTimeBetweenTicks) {
  ReplayOptions o = offline();
  o.tickSeconds = 1.5;
  PlayedReplay r(FlightFile::parse("t,sim\n0,1\n2,0\n4,1\n", "offline.csv"), o);
  const auto lamps = r.named("lamp");
  ASSERT_EQ(lamps.size(), 2u);
  EXPECT_DOUBLE_EQ(lamps[0]["t"].get<double>(), 1.5);
  // The pass at 1.5 still found the simulator, the one at 3.0 did not; the
  // replay ends with the first tick at or after the last row.
  EXPECT_DOUBLE_EQ(lamps[1]["t"].get<double>(), 4.5);
  EXPECT_EQ(lamps[1]["connected"], false);
}

TEST(ReplayOfflineTest, AnIncompleteVidClosesTheProgramAtStart) {
  ReplayOptions o = offline();
  o.vid = "12345";
  PlayedReplay r(FlightFile::parse("t\n0\n10\n", "offline.csv"), o);
  EXPECT_EQ(r.outcome, Replay::Outcome::Closed);
  EXPECT_EQ(r.texts("message"), std::vector<std::string>{"VID incorrect , Closing Aerotrace..."});
  EXPECT_TRUE(r.named("lamp").empty());  // no tick ran
}

}  // namespace
}  // namespace aerotrace::testing
