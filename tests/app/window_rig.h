#pragma once

// The main window over the real monitor: a stand-in simulator in the process
// plays an aircraft parked at Innsbruck and the demo tours database, copied
// to a folder of the test's own, lists its legs.

#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/tf_h.h"
#include "core/recording_opener.h"
#include "core/recording_voice.h"
#include "standin/in_process_transport.h"
#include "standin/standin_simulator.h"
#include "tours/memory_vid_store.h"

namespace aerotrace::testing {

class WindowRig {
 public:
  explicit WindowRig(const char* name)
      : sim_(FlightFile::parse("t,lat,lon,ground,fuel,title\n"
                               "0,47.260893,11.341861,1,800,Test Plane\n",
                               "parked.csv")) {
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("aerotrace-") + name + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    std::filesystem::copy_file(AEROTRACE_DEMO_TOURS_DB, dir_ / "tours.sqlite",
                               std::filesystem::copy_options::overwrite_existing);
  }
  ~WindowRig() { std::filesystem::remove_all(dir_); }
  WindowRig(const WindowRig&) = delete;
  WindowRig& operator=(const WindowRig&) = delete;

  TfHParts parts(const std::string& vid) {
    TfHParts p;
    p.clock = makeSystemClock();
    p.transport = std::make_unique<InProcessTransport>(sim_);
    p.vids = std::make_unique<MemoryVidStore>(vid);
    p.opener = std::make_unique<RecordingOpener>();
    p.voice = [] { return std::make_unique<RecordingVoice>(); };
    p.toursUrl = "sqlite:" + (dir_ / "tours.sqlite").string();
    p.airportsPath = AEROTRACE_DEMO_AIRPORTS;
    return p;
  }

 private:
  StandInSimulator sim_;
  std::filesystem::path dir_;
};

}  // namespace aerotrace::testing
