#include "replay/pilot_actions.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "monitor/announcements.h"
#include "monitor/leg_panel.h"
#include "monitor/leg_start.h"
#include "replay/replay_options.h"
#include "results/report_handlers.h"

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

// The report's buttons exist only while it is open.
PilotAction onReport(const char* name, void (*press)(PilotContext&)) {
  return [name, press](PilotContext& p) {
    if (!p.log.reportOpen()) {
      std::fprintf(stderr, "aerotrace-replay: %s: no report is open; nothing pressed\n", name);
      return;
    }
    p.report.points = p.log.report()->total;
    press(p);
  };
}

void closeReport(PilotContext& p, bool uploadWhenAsked) {
  p.log.answerNextWarning(uploadWhenAsked);
  FormClose(p.report);
  p.log.answerNextWarning(true);
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
      {"upload",
       onReport("upload",
                [](PilotContext& p) {
                  // The block panel covers the button: there is nothing to press.
                  if (p.log.reportBlockShown()) {
                    std::fprintf(
                        stderr,
                        "aerotrace-replay: upload: the button is covered; nothing pressed\n");
                    return;
                  }
                  imgUploadMouseDown(p.report);
                })},
      {"close", onReport("close", [](PilotContext& p) { closeReport(p, false); })},
      {"close-upload", onReport("close-upload", [](PilotContext& p) { closeReport(p, true); })},
      {"history",
       [](PilotContext& p) {
         try {
           std::vector<OutboxLeg> pending;
           keepWith(p.monitor.s, p.log,
                    [&](LocalStore& store) { pending = store.outbox(); });
           loadHistory(p.history, p.monitor.d, p.monitor.s.vid, p.log, pending);
         } catch (const std::exception& e) {
           p.log.showError(e.what());
         }
       }},
      {"repeat", [](PilotContext& p) { repeatLastMessage(p.monitor.s); }},
      {"text", [](PilotContext& p) { switchText(p.monitor.s); }},
      {"speech", [](PilotContext& p) { switchSpeech(p.monitor.s); }},
      {"quit", [](PilotContext& p) { p.ending = PilotContext::Ending::Quit; }},
      {"crash", [](PilotContext& p) { p.ending = PilotContext::Ending::Crash; }},
  };
  return actions;
}

void checkActions(const FlightFile& flight, const std::string& fileName) {
  const auto where = [&](const FlightRow& row) {
    return fileName + ": line " + std::to_string(row.line) + ", column " +
           std::to_string(flight.actionColumn()) + " (action): ";
  };
  for (const FlightRow& row : flight.rows()) {
    for (const std::string& word : row.actions) {
      if (pilotActions().contains(word)) continue;
      throw ReplayInputError(where(row) + "unknown action \"" + word + "\"");
    }
  }
}

}  // namespace aerotrace
