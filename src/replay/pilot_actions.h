#pragma once

// What the pilot does in a replay, by the flight file's action words.

#include <functional>
#include <map>
#include <string>

#include "monitor/monitor_context.h"
#include "replay/event_log.h"
#include "results/leg_history.h"
#include "results/report_context.h"
#include "standin/flight_file.h"

namespace aerotrace {

struct PilotContext {
  MonitorContext& monitor;
  EventLog& log;
  ReportContext& report;   // the report window's handlers
  TfMyLegsState& history;  // the history window's list
  // How the program ends: closed from the menu, or killed.
  enum class Ending { None, Quit, Crash };
  Ending ending = Ending::None;
};

using PilotAction = std::function<void(PilotContext&)>;

// Every action the replay performs.
const std::map<std::string, PilotAction, std::less<>>& pilotActions();

// Refuses, before anything plays, the first action of the flight that the
// replay cannot perform: ReplayInputError naming the file, line and column.
void checkActions(const FlightFile& flight, const std::string& fileName);

}  // namespace aerotrace
