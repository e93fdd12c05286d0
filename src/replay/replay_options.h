#pragma once

// The replay's command line.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/datetime.h"

namespace aerotrace {

struct ReplayOptions {
  std::string toursUrl;      // empty: the program's own setting (the demo database)
  std::string airportsPath;  // empty: the demo list
  std::string vid = "123456";
  DateTime start = 0;  // UTC instant of t = 0; set by parseReplayArguments
  int utcOffsetMinutes = 0;
  double tickSeconds = 0.2;
  // The pilot's data folder with the local store; empty: a fresh folder of
  // the replay's own, removed when it ends.
  std::string dataDir;
  bool summary = false;  // a short account of the leg after the log
  std::string flightPath;
};

// Bad input on the command line or in the flight file.
class ReplayInputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "YYYY-MM-DDTHH:MM:SS" with optional fraction of a second, then "Z" or
// nothing: UTC.
std::optional<DateTime> parseUtcInstant(const std::string& text);

// The arguments after the program's name; throws ReplayInputError.
ReplayOptions parseReplayArguments(const std::vector<std::string>& args);

inline constexpr const char* kReplayUsage =
    "usage: aerotrace-replay [--tours URL] [--airports PATH] [--vid VID] [--start ISO-8601]\n"
    "                        [--utc-offset MINUTES] [--tick SECONDS] [--data-dir DIR]\n"
    "                        [--summary] FLIGHT.csv\n";

}  // namespace aerotrace
