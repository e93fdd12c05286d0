// Bad input is refused before anything plays: the flight file, its
// actions and the command line.
#include <gtest/gtest.h>

#include "replay/pilot_actions.h"
#include "replay/replay.h"

namespace aerotrace {
namespace {

std::string refusal(const std::string& csv) {
  try {
    const FlightFile f = FlightFile::parse(csv, "bad.csv");
    ReplayOptions o = parseReplayArguments({"bad.csv"});
    o.toursUrl = "sqlite:/nonexistent/tours.sqlite";
    int lines = 0;
    Replay replay(f, o, [&](const std::string&) { ++lines; });
    replay.run();
    return "played " + std::to_string(lines) + " lines";
  } catch (const FlightFileError& e) {
    return e.what();
  } catch (const ReplayInputError& e) {
    return e.what();
  }
}

TEST(ReplayInputTest, FlightErrorsAndActionsItCannotPerformNameFileLineAndColumn) {
  const struct {
    const char* csv;
    const char* message;
  } cases[] = {
      {"t,fuel\n0,100\n1,lots\n", "bad.csv: line 3, column 2 (fuel): \"lots\" is not a number"},
      {"t,alt,action\n0,1,start\n# note\n\n5,2,next dance\n",
       "bad.csv: line 5, column 3 (action): unknown action \"dance\""},
  };
  for (const auto& c : cases) EXPECT_EQ(refusal(c.csv), c.message);
  EXPECT_EQ(refusal("t,action\n0,start\n").substr(0, 7), "played ");
}

TEST(ReplayInputTest, EveryActionOfTheFormatIsPerformed) {
  for (const char* word : {"start", "next", "prev", "unit", "upload", "close", "close-upload",
                           "repeat", "text", "speech", "history", "quit", "crash"}) {
    EXPECT_TRUE(pilotActions().contains(word)) << word;
  }
  EXPECT_EQ(pilotActions().size(), 13u);
}

TEST(ReplayInputTest, CommandLine) {
  const ReplayOptions d = parseReplayArguments({"f.csv"});
  EXPECT_EQ(d.vid, "123456");
  EXPECT_EQ(d.tickSeconds, 0.2);
  EXPECT_EQ(d.utcOffsetMinutes, 0);
  EXPECT_EQ(d.start, *parseUtcInstant("2026-01-01T12:00:00Z"));
  EXPECT_EQ(d.flightPath, "f.csv");

  const ReplayOptions o = parseReplayArguments(
      {"--tours", "sqlite:x", "--airports", "a.csv", "--vid", "ABCDEF", "--start",
       "2025-06-30T23:59:30.5Z", "--utc-offset", "-90", "--tick", "1", "--summary", "g.csv"});
  EXPECT_EQ(o.toursUrl, "sqlite:x");
  EXPECT_EQ(o.airportsPath, "a.csv");
  EXPECT_EQ(o.vid, "ABCDEF");
  EXPECT_EQ(toMilliseconds(o.start), toMilliseconds(encode({2025, 6, 30, 23, 59, 30, 500})));
  EXPECT_EQ(o.utcOffsetMinutes, -90);
  EXPECT_EQ(o.tickSeconds, 1);
  EXPECT_TRUE(o.summary);

  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{},
                                             {"--tick", "0.05", "f.csv"},
                                             {"--tick", "fast", "f.csv"},
                                             {"--start", "2026-02-30T00:00:00Z", "f.csv"},
                                             {"--start", "2026-01-01 12:00", "f.csv"},
                                             {"--utc-offset", "1.5", "f.csv"},
                                             {"--speed", "2", "f.csv"},
                                             {"f.csv", "g.csv"},
                                             {"f.csv", "--vid"}}) {
    EXPECT_THROW(parseReplayArguments(bad), ReplayInputError) << ::testing::PrintToString(bad);
  }
}

}  // namespace
}  // namespace aerotrace
