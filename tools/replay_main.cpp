// Flies a flight file through the monitor, the reader pass and the data
// layer with a simulated clock, and prints the event log.
//
//   aerotrace-replay [--tours URL] [--airports PATH] [--vid VID]
//                    [--start ISO-8601] [--utc-offset MINUTES]
//                    [--tick SECONDS] [--data-dir DIR] [--summary] FLIGHT.csv
//
// Exit 0 when the flight played to its last row or the pilot closed the
// program, 1 when the program closed at start-up, 2 on bad input (nothing
// is played then), 3 when the flight's action crash killed it.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "replay/leg_summary.h"
#include "replay/replay.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
  using namespace aerotrace;
#ifdef _WIN32
  // The event lines end in "\n" as on Linux, so that the Windows build's log
  // compares byte for byte with the Linux one.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  ReplayOptions options;
  std::vector<std::string> lines;
  try {
    options = parseReplayArguments(std::vector<std::string>(argv + 1, argv + argc));
    Replay replay(FlightFile::load(options.flightPath), options, [&](const std::string& line) {
      std::printf("%s\n", line.c_str());
      if (options.summary) lines.push_back(line);
    });
    const Replay::Outcome outcome = replay.run();
    std::fflush(stdout);
    // Killed: what was printed stays, nothing else runs, nothing is cleaned.
    if (outcome == Replay::Outcome::Crashed) std::_Exit(3);
    if (options.summary) std::printf("\n%s", legSummary(lines).c_str());
    return outcome == Replay::Outcome::Closed ? 1 : 0;
  } catch (const FlightFileError& e) {
    std::fprintf(stderr, "aerotrace-replay: %s\n", e.what());
  } catch (const ReplayInputError& e) {
    std::fprintf(stderr, "aerotrace-replay: %s\n%s", e.what(), kReplayUsage);
  }
  return 2;
}
