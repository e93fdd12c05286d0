#pragma once

// What the pilot does in a replay, by the flight file's action words.

#include <functional>
#include <map>
#include <string>

#include "monitor/monitor_context.h"
#include "replay/event_log.h"
#include "standin/flight_file.h"

namespace aerotrace {

struct PilotContext {
  MonitorContext& monitor;
  EventLog& log;
};

using PilotAction = std::function<void(PilotContext&)>;

// Every action the replay performs.
const std::map<std::string, PilotAction, std::less<>>& pilotActions();

// Action words of the flight-file format that this replay cannot perform
// yet, each with the reason given to the user.
const std::map<std::string, std::string, std::less<>>& pendingActions();

// Refuses, before anything plays, the first action of the flight that the
// replay cannot perform: ReplayInputError naming the file, line and column.
void checkActions(const FlightFile& flight, const std::string& fileName);

}  // namespace aerotrace
