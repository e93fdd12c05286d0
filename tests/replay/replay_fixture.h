#pragma once

// A replay played to its end in the test, with its event log parsed and
// its state left to look at.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "eventlog/event_line.h"
#include "replay/replay.h"

namespace aerotrace::testing {

class PlayedReplay {
 public:
  // `setUp` runs on the replay before it plays.
  PlayedReplay(FlightFile flight, const ReplayOptions& options,
               const std::function<void(Replay&)>& setUp = {})
      : replay_(std::move(flight), options, [this](const std::string& line) {
          lines.push_back(line);
          events.push_back(EventJson::parse(line));
        }) {
    if (setUp) setUp(replay_);
    outcome = replay_.run();
    // The program has ended: the next run may open the pilot's store.
    replay_.state().keeping.store.reset();
  }

  // The events of one kind, in order.
  std::vector<EventJson> named(std::string_view name) const {
    std::vector<EventJson> out;
    for (const EventJson& e : events) {
      if (e["event"] == name) out.push_back(e);
    }
    return out;
  }
  // The texts of one kind of event.
  std::vector<std::string> texts(std::string_view name) const {
    std::vector<std::string> out;
    for (const EventJson& e : named(name)) out.push_back(e["text"].get<std::string>());
    return out;
  }

  TfHState& state() { return replay_.state(); }

  std::vector<std::string> lines;
  std::vector<EventJson> events;
  Replay::Outcome outcome = Replay::Outcome::Closed;

 private:
  Replay replay_;
};

}  // namespace aerotrace::testing
