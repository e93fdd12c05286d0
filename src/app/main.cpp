// Aerotrace: the bar over the simulator. Starts as the always-on-top bar at
// the mouse cursor; ends when it is closed.
//
// For demonstrations and tests it can also write its event log, fly a
// flight file's pilot actions by itself, save pictures of the screen and run
// its clock faster than real time; see --help.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

#include "app/live_pilot.h"
#include "app/tf_h.h"
#include "core/heard_opener.h"
#include "core/heard_voice.h"
#include "core/scaled_clock.h"
#include "core/voice.h"
#include "replay/event_log.h"
#include "replay/pilot_actions.h"
#include "replay/replay_options.h"
#include "store/data_folder.h"
#include "tours/tours_settings.h"

namespace {

struct Options {
  QString eventLog;  // "-" for standard output
  QString pilot;
  QString screenshots;
  double timeScale = 1;
  std::optional<aerotrace::DateTime> clockOrigin;
  bool headless = false;
};

std::optional<Options> parseOptions(const QApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription("AEROTRACE: the tour leg companion over the simulator.");
  parser.addHelpOption();
  const QCommandLineOption eventLog("event-log", "Writes the event log (JSON lines) to FILE (- for standard output).", "FILE");
  const QCommandLineOption pilot("pilot", "Performs the pilot actions of FLIGHT.csv at their times, then closes.", "FLIGHT.csv");
  const QCommandLineOption screenshots("screenshots", "With --pilot: saves pictures of the screen into DIR.", "DIR");
  const QCommandLineOption timeScale("time-scale", "Runs the clock X times faster than real time, to keep pace with a faster simulator.", "X", "1");
  const QCommandLineOption headless("headless", "Speech and web pages go only to the event log.");
  const QCommandLineOption clockOrigin("clock-origin", "With --time-scale: the faster clock counts from this UTC instant, so that programs started one after another agree.", "ISO-8601");
  parser.addOptions({eventLog, pilot, screenshots, timeScale, headless, clockOrigin});
  parser.process(app);

  Options o;
  o.eventLog = parser.value(eventLog);
  o.pilot = parser.value(pilot);
  o.screenshots = parser.value(screenshots);
  o.headless = parser.isSet(headless);
  if (parser.isSet(clockOrigin)) {
    o.clockOrigin = aerotrace::parseUtcInstant(parser.value(clockOrigin).toStdString());
    if (!o.clockOrigin) {
      std::fprintf(stderr, "aerotrace: --clock-origin wants a UTC instant such as 2026-01-01T12:00:00Z\n");
      return std::nullopt;
    }
  }
  bool ok = false;
  o.timeScale = parser.value(timeScale).toDouble(&ok);
  if (!ok || !(o.timeScale > 0) || o.timeScale > 1000) {
    std::fprintf(stderr, "aerotrace: --time-scale wants a number above 0 and up to 1000\n");
    return std::nullopt;
  }
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("AEROTRACE");
  QApplication::setApplicationDisplayName("AEROTRACE");
  Q_INIT_RESOURCE(artwork);
  const std::optional<Options> options = parseOptions(app);
  if (!options) return 2;

  std::optional<aerotrace::FlightFile> flight;
  if (!options->pilot.isEmpty()) {
    const std::string path = options->pilot.toStdString();
    try {
      flight = aerotrace::FlightFile::load(path);
      aerotrace::checkActions(*flight, path);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "aerotrace: %s\n", e.what());
      return 2;
    }
  }
  if (!options->screenshots.isEmpty()) QDir().mkpath(options->screenshots);

  aerotrace::TfHParts parts;
  parts.clock = aerotrace::makeSystemClock();
  if (options->timeScale != 1) {
    parts.motionClock = std::move(parts.clock);
    parts.clock = std::make_unique<aerotrace::ScaledClock>(
        aerotrace::makeSystemClock(), options->timeScale, options->clockOrigin);
  }
  const aerotrace::Clock& clock = *parts.clock;
  const std::uint32_t tick0 = clock.tickCount();
  auto flightSeconds = [&clock, tick0] {
    return static_cast<double>(static_cast<std::uint32_t>(clock.tickCount() - tick0)) / 1000;
  };

  // The event log, written line by line so that it stands whenever the
  // program ends.
  std::ofstream logFile;
  std::unique_ptr<aerotrace::EventLog> log;
  if (!options->eventLog.isEmpty()) {
    if (options->eventLog != "-") {
      logFile.open(options->eventLog.toStdString(), std::ios::binary | std::ios::trunc);
      if (!logFile) {
        std::fprintf(stderr, "aerotrace: cannot write %s\n", options->eventLog.toLocal8Bit().constData());
        return 2;
      }
    }
    std::ostream& out = options->eventLog == "-" ? std::cout : logFile;
    log = std::make_unique<aerotrace::EventLog>(
        [&out](const std::string& line) { out << line << '\n' << std::flush; }, flightSeconds);
  }
  aerotrace::EventLog* heard = log.get();

  parts.transport = aerotrace::createSystemIpcTransport();
  parts.vids = aerotrace::createSystemVidStore();
  const bool headless = options->headless;
  aerotrace::HeardOpener::Listener openHeard;
  if (heard != nullptr) openHeard = [heard](const std::string& url) { heard->open(url); };
  parts.opener = std::make_unique<aerotrace::HeardOpener>(
      headless ? nullptr : aerotrace::createSystemDocumentOpener(), std::move(openHeard));
  parts.voice = [heard, headless]() -> std::unique_ptr<aerotrace::Voice> {
    std::unique_ptr<aerotrace::Voice> engine = headless ? nullptr : aerotrace::createSystemVoice();
    // Without a log, or without a speech engine on the desktop, speech is
    // what the machine has.
    if (heard == nullptr || (!headless && !engine)) return engine;
    return std::make_unique<aerotrace::HeardVoice>(
        std::move(engine), [heard](const std::string& text) { heard->spoken(text); });
  };
  parts.toursUrl = aerotrace::toursUrl();
  parts.airportsPath = "airports.csv";  // in the current folder
  parts.dataFolder = aerotrace::pilotDataFolder();
  parts.log = heard;

  // The main window first: closing it ends the program. It makes the other
  // windows itself, in their order.
  aerotrace::TfH main(std::move(parts));
  main.show();
  if (!main.FormShow()) return 0;

  std::unique_ptr<aerotrace::LivePilot> pilot;
  if (flight) {
    pilot = std::make_unique<aerotrace::LivePilot>(main, *flight, flightSeconds,
                                                   options->screenshots);
    QObject::connect(pilot.get(), &aerotrace::LivePilot::finished, &main, &QWidget::close);
    pilot->begin();
  }
  return QApplication::exec();
}
