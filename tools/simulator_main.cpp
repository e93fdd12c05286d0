// The stand-in simulator: serves a flight file to the program through the
// simulator interface on this machine, in real time or faster, and prints
// every write it receives as a sim-write event line.
//
//   aerotrace-simulator [--speed X] FLIGHT.csv
//
// The socket folder is $AEROTRACE_IPC_DIR (else $XDG_RUNTIME_DIR/aerotrace,
// else /tmp/aerotrace-<uid>). After the last row the flight holds its last
// values until the program is stopped (SIGINT or SIGTERM). Exit 2 on bad
// input, 1 when it cannot serve.

#include <signal.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "sim/ipc_socket_wire.h"
#include "standin/flight_file.h"
#include "standin/socket_server.h"
#include "standin/standin_simulator.h"

namespace {

volatile sig_atomic_t gStop = 0;

void onSignal(int) { gStop = 1; }

int usage() {
  std::fprintf(stderr, "usage: aerotrace-simulator [--speed X] FLIGHT.csv\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  double speed = 1;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--speed" && i + 1 < argc) {
      const std::string v = argv[++i];
      const auto r = std::from_chars(v.data(), v.data() + v.size(), speed);
      if (r.ec != std::errc() || r.ptr != v.data() + v.size() || !(speed > 0) ||
          !std::isfinite(speed)) {
        std::fprintf(stderr, "aerotrace-simulator: --speed wants a number above 0, not \"%s\"\n",
                     v.c_str());
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

  aerotrace::StandInSimulator simulator(std::move(flight));
  simulator.setWriteListener([](const aerotrace::SimWrite& w) {
    std::printf("%s\n", aerotrace::simWriteEventLine(w).c_str());
    std::fflush(stdout);
  });
  aerotrace::SocketServer server(simulator, aerotrace::ipcwire::socketDirectory());

  struct sigaction sa {};
  sa.sa_handler = onSignal;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  if (!server.update()) {
    std::fprintf(stderr, "aerotrace-simulator: %s\n", server.error().c_str());
    return 1;
  }
  std::fprintf(stderr, "aerotrace-simulator: serving %s on %s\n", path, server.path().c_str());

  const auto start = std::chrono::steady_clock::now();
  while (gStop == 0) {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    simulator.setTime(elapsed.count() * speed);
    if (!server.update()) {
      std::fprintf(stderr, "aerotrace-simulator: %s\n", server.error().c_str());
      return 1;
    }
    server.serve(10);
  }
  return 0;
}
