#include "replay/replay.h"

#include <cmath>
#include <filesystem>
#include <random>

#include "core/clock.h"
#include "core/recording_voice.h"
#include "monitor/airport_list_step.h"
#include "monitor/announcements.h"
#include "monitor/leg_panel.h"
#include "monitor/monitor_context.h"
#include "monitor/monitor_tick.h"
#include "monitor/output.h"
#include "monitor/pilot_identity_steps.h"
#include "monitor/reader_pass_inputs.h"
#include "monitor/stepped_cycle.h"
#include "replay/pilot_actions.h"
#include "results/outbox_uploads.h"
#include "store/local_store.h"
#include "sim/ipc_client.h"
#include "sim/reader_pass.h"
#include "standin/in_process_transport.h"
#include "standin/standin_simulator.h"
#include "tours/memory_vid_store.h"
#include "tours/tour_data.h"

namespace aerotrace {

std::string demoAirportsPath() { return AEROTRACE_DEMO_AIRPORTS; }

std::string demoToursUrl() { return std::string("sqlite:") + AEROTRACE_DEMO_TOURS_DB; }

struct Replay::Parts {
  Parts(FlightFile f, const ReplayOptions& o, EventLog::Sink sink)
      : options(o),
        clock(o.start, o.utcOffsetMinutes),
        log(std::move(sink), [this] { return flightSeconds(); }),
        sim(std::move(f)),
        transport(sim),
        client(transport),
        pass(client),
        data(o.toursUrl.empty() ? demoToursUrl() : o.toursUrl),
        monitor{s, data, clock, log, {}},
        listening(s, [this](const std::string& text,
                            std::int32_t seconds) { log.simTextQueued(text, seconds); }),
        stepped(
            clock, [this] { onTick(); }, [this] { return onPass(); },
            [this](const std::string& text) { speakText(s, text); }),
        report{s, data, log, log, stepped.cycle(), [this] { return stepped.now(); }, 0, {}},
        pilot{monitor, log, report, history} {
    monitor.disableTimer = [this] { stepped.cycle().disableTimer(); };
    sim.setWriteListener([this](const SimWrite& w) { log.simWrite(w); });
    tickMs = static_cast<std::int64_t>(std::llround(o.tickSeconds * 1000));
    const auto& rows = sim.flight().rows();
    endMs = rows.empty() ? 0 : static_cast<std::int64_t>(std::ceil(rows.back().t * 1000));
  }

  double flightSeconds() const { return static_cast<double>(clock.elapsedMilliseconds()) / 1000; }

  // A pass reads the flight as it stands when the pass starts and lasts
  // whatever the tick leaves after the timer's 100 ms.
  ReaderPassResult onPass() {
    const std::int64_t begin = clock.elapsedMilliseconds();
    sim.setTime(flightSeconds());
    ReaderPassResult r = pass.Execute(s.flightData, readerPassInputs(s));
    const std::int64_t ends = begin + tickMs - MonitorCycle::kTimerIntervalMs;
    if (ends > clock.elapsedMilliseconds()) {
      clock.advanceMilliseconds(ends - clock.elapsedMilliseconds());
    }
    return r;
  }

  void onTick() {
    if (pilot.ending != PilotContext::Ending::None) return;
    timerHandlerWork(monitor);
    retryWhenDue(report);
    const double now = flightSeconds();
    const auto& rows = sim.flight().rows();
    while (nextActionRow < rows.size() && rows[nextActionRow].t <= now) {
      for (const std::string& word : rows[nextActionRow].actions) {
        pilotActions().find(word)->second(pilot);
        // The program is gone: nothing later in this row or after it runs.
        if (pilot.ending != PilotContext::Ending::None) return;
      }
      ++nextActionRow;
    }
    lastTickMs = clock.elapsedMilliseconds();
  }

  // The pilot's data folder: the one given, or a fresh one of the replay's
  // own that goes when the replay does.
  std::filesystem::path dataFolder() {
    if (!options.dataDir.empty()) return options.dataDir;
    std::random_device rd;
    ownDataDir = std::filesystem::temp_directory_path() /
                 ("aerotrace-replay-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    return ownDataDir;
  }

  ~Parts() {
    // A crashed program cleans nothing up.
    if (ownDataDir.empty() || pilot.ending == PilotContext::Ending::Crash) return;
    s.keeping.store.reset();
    std::error_code ec;
    std::filesystem::remove_all(ownDataDir, ec);
  }

  ReplayOptions options;
  SimulatedClock clock;
  EventLog log;
  StandInSimulator sim;
  InProcessTransport transport;
  IpcClient client;
  RWFSUIPC pass;
  TfHState s;
  TfD data;
  MonitorContext monitor;
  SimTextListening listening;
  SteppedCycle stepped;
  // The report and history windows' handlers work on these.
  ReportContext report;
  TfMyLegsState history;
  PilotContext pilot;
  std::int64_t tickMs = 200;
  std::int64_t endMs = 0;
  std::int64_t lastTickMs = -1;
  std::size_t nextActionRow = 0;
  std::filesystem::path ownDataDir;
};

Replay::Replay(FlightFile flight, const ReplayOptions& options, EventLog::Sink sink) {
  checkActions(flight, options.flightPath.empty() ? "flight" : options.flightPath);
  p_ = std::make_unique<Parts>(std::move(flight), options, std::move(sink));
}

Replay::~Replay() = default;

TfHState& Replay::state() { return p_->s; }
TfD& Replay::data() { return p_->data; }
EventLog& Replay::log() { return p_->log; }
std::uint64_t Replay::ticks() const { return p_->stepped.cycle().ticks(); }

Replay::Outcome Replay::run() {
  Parts& p = *p_;
  TfHState& s = p.s;

  // Creation: the voice, the pilot's local store, then the first pass.
  speechStartUp(s, [&p] {
    auto voice = std::make_unique<RecordingVoice>();
    voice->setListener([&p](const std::string& text) { p.log.spoken(text); });
    return voice;
  });
  openLocalStore(s, p.dataFolder());
  p.stepped.start();

  // Show handling.
  s.fuelUnit = 0;
  MemoryVidStore vids(p.options.vid);
  readVidAtStart(s, vids);
  loadAirportsAtStart(
      s, p.options.airportsPath.empty() ? demoAirportsPath() : p.options.airportsPath, p.log);
  if (!vidReadyOrClosing(s, p.log)) return Outcome::Closed;
  tellStoreUnusable(s, p.log);
  p.stepped.cycle().enableTimer(p.stepped.now());
  switchSetUp(s);
  loadTourCatalogue(s, p.data, p.log);
  afterCatalogueLoad(p.report);

  while (p.lastTickMs < p.endMs && p.pilot.ending == PilotContext::Ending::None) {
    const auto due = p.stepped.cycle().handlerDueAt();
    if (!due) break;  // cannot happen: every pass re-arms the timer
    p.stepped.runUntil(*due);
  }
  switch (p.pilot.ending) {
    case PilotContext::Ending::Quit: return Outcome::Quit;
    case PilotContext::Ending::Crash: return Outcome::Crashed;
    case PilotContext::Ending::None: break;
  }
  return Outcome::Played;
}

}  // namespace aerotrace
