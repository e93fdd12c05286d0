// The stand-in simulator: serves a flight file to the program through the
// simulator interface on this machine, in real time or faster, and prints
// every write it receives as a sim-write event line.
//
//   aerotrace-simulator [--speed X] [--wait-for-link] [--class NAME]
//                       [--server-version HEX] [--simulator-version HEX] FLIGHT.csv
//
// On Linux the server is a local socket in $AEROTRACE_IPC_DIR (else
// $XDG_RUNTIME_DIR/aerotrace, else /tmp/aerotrace-<uid>), class FS98MAIN by
// default; on Windows a hidden top-level window, class UIPCMAIN by default.
// The versions let a test play an older interface module. With
// --wait-for-link the flight holds its first moment until the program first
// reaches the simulator, so a program started a little later still sees the
// whole flight from the start. After the last
// row the flight holds its last values until the program is stopped
// (SIGINT or SIGTERM; on Windows also WM_CLOSE to the window). Exit 2 on bad
// input, 1 when it cannot serve.

#include <charconv>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "standin/flight_file.h"
#include "standin/standin_simulator.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "standin/window_server.h"
#else
#include "sim/ipc_socket_wire.h"
#include "standin/socket_server.h"
#endif

namespace {

volatile std::sig_atomic_t gStop = 0;

void onSignal(int) { gStop = 1; }

int usage() {
  std::fprintf(stderr,
               "usage: aerotrace-simulator [--speed X] [--wait-for-link] [--class NAME] [--server-version HEX] "
               "[--simulator-version HEX] FLIGHT.csv\n");
  return 2;
}

bool parseHex(std::string v, std::uint32_t& out) {
  if (v.starts_with("0x") || v.starts_with("0X")) v = v.substr(2);
  const auto r = std::from_chars(v.data(), v.data() + v.size(), out, 16);
  return !v.empty() && r.ec == std::errc() && r.ptr == v.data() + v.size();
}

#ifdef _WIN32
using Server = aerotrace::WindowServer;
constexpr const char* kDefaultClass = "UIPCMAIN";
Server makeServer(aerotrace::StandInSimulator& s) { return Server(s); }
std::string where(const Server& s) { return "window class " + s.className(); }
bool closeRequested(const Server& s) { return s.closeRequested(); }
void setUpProcess() {
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  // The event lines end in "\n" as on Linux: whoever compares them needs
  // the same bytes.
  _setmode(_fileno(stdout), _O_BINARY);
}
#else
using Server = aerotrace::SocketServer;
constexpr const char* kDefaultClass = "FS98MAIN";
Server makeServer(aerotrace::StandInSimulator& s) {
  return Server(s, aerotrace::ipcwire::socketDirectory());
}
std::string where(const Server& s) { return s.path(); }
bool closeRequested(const Server&) { return false; }
void setUpProcess() {
  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);
}
#endif

}  // namespace

int main(int argc, char** argv) {
  double speed = 1;
  bool waitForLink = false;
  aerotrace::StandInOptions options;
  options.serverClass = kDefaultClass;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--speed" && hasValue) {
      const std::string v = argv[++i];
      const auto r = std::from_chars(v.data(), v.data() + v.size(), speed);
      if (r.ec != std::errc() || r.ptr != v.data() + v.size() || !(speed > 0) ||
          !std::isfinite(speed)) {
        std::fprintf(stderr, "aerotrace-simulator: --speed wants a number above 0, not \"%s\"\n",
                     v.c_str());
        return 2;
      }
    } else if (arg == "--wait-for-link") {
      waitForLink = true;
    } else if (arg == "--class" && hasValue) {
      options.serverClass = argv[++i];
      if (options.serverClass != "UIPCMAIN" && options.serverClass != "FS98MAIN") {
        std::fprintf(stderr, "aerotrace-simulator: --class wants UIPCMAIN or FS98MAIN\n");
        return 2;
      }
    } else if ((arg == "--server-version" || arg == "--simulator-version") && hasValue) {
      std::uint32_t& v =
          arg == "--server-version" ? options.serverVersion : options.simulatorVersion;
      if (!parseHex(argv[++i], v)) {
        std::fprintf(stderr, "aerotrace-simulator: %s wants a hexadecimal number\n", arg.c_str());
        return 2;
      }
    } else if (path == nullptr && !arg.starts_with("--")) {
      path = argv[i];
    } else {
      return usage();
    }
  }
  if (path == nullptr) return usage();

  aerotrace::FlightFile flight;
  try {
    flight = aerotrace::FlightFile::load(path);
  } catch (const aerotrace::FlightFileError& e) {
    std::fprintf(stderr, "aerotrace-simulator: %s\n", e.what());
    return 2;
  }

  aerotrace::StandInSimulator simulator(std::move(flight), options);
  simulator.setWriteListener([](const aerotrace::SimWrite& w) {
    std::printf("%s\n", aerotrace::simWriteEventLine(w).c_str());
    std::fflush(stdout);
  });
  Server server = makeServer(simulator);
  setUpProcess();

  if (!server.update()) {
    std::fprintf(stderr, "aerotrace-simulator: %s\n", server.error().c_str());
    return 1;
  }
  std::fprintf(stderr, "aerotrace-simulator: serving %s on %s\n", path, where(server).c_str());

  auto start = std::chrono::steady_clock::now();
  bool waiting = waitForLink;
  while (gStop == 0 && !closeRequested(server)) {
    const auto now = std::chrono::steady_clock::now();
    if (waiting && simulator.blocksServed() > 0) {
      waiting = false;
      start = now;
    }
    std::chrono::duration<double> elapsed{0};
    if (!waiting) elapsed = now - start;
    simulator.setTime(elapsed.count() * speed);
    if (!server.update()) {
      std::fprintf(stderr, "aerotrace-simulator: %s\n", server.error().c_str());
      return 1;
    }
    server.serve(10);
  }
  return 0;
}
