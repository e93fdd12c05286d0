#pragma once

// Flies a flight file through the real monitor: the stand-in simulator in
// the same process serves it to the real client and reader pass, the
// stepped cycle alternates pass and tick on a simulated clock, the data
// layer reads the tours database, and the pilot's actions run after the
// tick they fall on. Everything shown, spoken and written goes to the
// event log.

#include <memory>
#include <string>

#include "monitor/tfh_state.h"
#include "replay/event_log.h"
#include "replay/replay_options.h"
#include "standin/flight_file.h"
#include "tours/tour_data.h"

namespace aerotrace {

class Replay {
 public:
  // Refuses a flight with an action it cannot perform (ReplayInputError)
  // before anything plays.
  Replay(FlightFile flight, const ReplayOptions& options, EventLog::Sink sink);
  ~Replay();
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  enum class Outcome {
    Played,   // to the first tick at or after the last row
    Closed,   // the program ended at start-up (no valid VID)
    Quit,     // the pilot closed the program (action quit)
    Crashed,  // the process died (action crash): nothing after it ran
  };
  Outcome run();

  TfHState& state();
  EventLog& log();
  // The tours database, so that tests can put a driver of their own under it.
  TfD& data();
  std::uint64_t ticks() const;

 private:
  struct Parts;
  std::unique_ptr<Parts> p_;
};

// The demo airport list and tours database of the build, the defaults of
// --airports and --tours.
std::string demoAirportsPath();
std::string demoToursUrl();

}  // namespace aerotrace
