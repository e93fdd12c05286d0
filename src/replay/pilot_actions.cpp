#include "replay/pilot_actions.h"

#include <cstdio>

#include "monitor/announcements.h"
#include "monitor/leg_panel.h"
#include "monitor/leg_start.h"
#include "replay/replay_options.h"

namespace aerotrace {
namespace {

// The panel's controls can be pressed only while the panel is out; START
// only while it is shown. A press the pilot could not make is skipped with
// a note on standard error.
PilotAction onPanel(const char* name, void (*press)(PilotContext&)) {
  return [name, press](PilotContext& p) {
    if (!p.log.panelOut()) {
      std::fprintf(stderr, "aerotrace-replay: %s: the leg panel is not out; nothing pressed\n",
                   name);
      return;
    }
    press(p);
  };
}

}  // namespace

const std::map<std::string, PilotAction, std::less<>>& pilotActions() {
  static const std::map<std::string, PilotAction, std::less<>> actions = {
      {"start",
       [](PilotContext& p) {
         if (!p.log.startOffered()) {
           std::fprintf(stderr, "aerotrace-replay: start: START is not shown; nothing pressed\n");
           return;
         }
         imgStartFlMouseDown(p.monitor);
       }},
      {"next", onPanel("next", [](PilotContext& p) { nextLeg(p.monitor.s, p.log); })},
      {"prev", onPanel("prev", [](PilotContext& p) { previousLeg(p.monitor.s, p.log); })},
      {"unit", onPanel("unit", [](PilotContext& p) { switchFuelUnit(p.monitor.s, p.log); })},
      {"repeat", [](PilotContext& p) { repeatLastMessage(p.monitor.s); }},
      {"text", [](PilotContext& p) { switchText(p.monitor.s); }},
      {"speech", [](PilotContext& p) { switchSpeech(p.monitor.s); }},
  };
  return actions;
}

const std::map<std::string, std::string, std::less<>>& pendingActions() {
  static const std::map<std::string, std::string, std::less<>> pending = {
      {"upload", "no leg upload"},
      {"close", "no close handling of the report"},
      {"close-upload", "no close handling of the report"},
      {"history", "no leg history"},
  };
  return pending;
}

void checkActions(const FlightFile& flight, const std::string& fileName) {
  const auto where = [&](const FlightRow& row) {
    return fileName + ": line " + std::to_string(row.line) + ", column " +
           std::to_string(flight.actionColumn()) + " (action): ";
  };
  for (const FlightRow& row : flight.rows()) {
    for (const std::string& word : row.actions) {
      if (pilotActions().contains(word)) continue;
      if (const auto it = pendingActions().find(word); it != pendingActions().end()) {
        throw ReplayInputError(where(row) + "action \"" + word + "\" is not supported yet (" +
                               it->second + " in this replay)");
      }
      throw ReplayInputError(where(row) + "unknown action \"" + word + "\"");
    }
  }
}

}  // namespace aerotrace
