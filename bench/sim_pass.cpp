// The cost of one reader pass on the Linux transport, against one bare round
// trip on the same transport, and their ratio. The stand-in simulator serves
// from a thread of this process over the real socket and shared memory; the
// handshake's 100 ms wait is skipped (counted, not slept).
//
//   sim_pass [passes]
//
// The same figures for the in-process transport follow, for comparison.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "sim/forwarding_transport.h"
#include "sim/ipc_client.h"
#include "sim/reader_pass.h"
#include "standin/in_process_transport.h"
#include "standin/socket_server.h"
#include "standin/standin_simulator.h"

namespace {

using namespace aerotrace;
using Clock = std::chrono::steady_clock;

class NoWaits final : public ForwardingTransport {
 public:
  using ForwardingTransport::ForwardingTransport;
  void sleepMilliseconds(std::uint32_t ms) override { skipped += ms; }
  std::uint64_t skipped = 0;
};

const char* kFlight =
    "t,lat,lon,alt,ias,gs,hdg,ground,fuel,g,qnh,jet,title\n"
    "0,47.26,11.34,5000,150,160,90,0,800,0.2,1013,1,Bench Plane\n";

// Best of three rounds of `n` calls, in microseconds per call.
double microsPerCall(int n, const std::function<bool()>& call) {
  double best = 1e30;
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
      if (!call()) {
        std::fprintf(stderr, "sim_pass: a call failed\n");
        std::exit(1);
      }
    }
    const std::chrono::duration<double, std::micro> took = Clock::now() - start;
    best = std::min(best, took.count() / n);
  }
  return best;
}

void measure(const char* name, IpcTransport& transport, int passes) {
  IpcClient client(transport);
  RWFSUIPC pass(client);
  FlightData fd;
  const double perPass = microsPerCall(passes, [&] {
    pass.Execute(fd, {true, true});
    return static_cast<bool>(fd.simConnected);
  });

  IpcResult r;
  if (!client.ipcOpen(0, r)) {
    std::fprintf(stderr, "sim_pass: open failed with %u\n", code(r));
    std::exit(1);
  }
  std::int32_t alt = 0;
  const double perTrip = microsPerCall(
      passes * 32, [&] { return client.ipcRead(0x3324, 4, &alt, r) && client.ipcProcess(r); });
  client.ipcClose();

  std::printf("%s:\n", name);
  std::printf("  one pass (open with handshake, 31 reads, close; 32 exchanges): %8.1f us\n",
              perPass);
  std::printf("  one bare round trip (a 4-byte read):                            %8.2f us\n",
              perTrip);
  std::printf("  pass / round trip:                                              %8.1f\n",
              perPass / perTrip);
}

}  // namespace

int main(int argc, char** argv) {
  const int passes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

  char tmpl[] = "/tmp/aerotrace-bench-XXXXXX";
  const std::filesystem::path dir = ::mkdtemp(tmpl);
  ::setenv("AEROTRACE_IPC_DIR", dir.c_str(), 1);

  StandInSimulator served(FlightFile::parse(kFlight, "bench.csv"));
  SocketServer server(served, dir.string());
  if (!server.update()) {
    std::fprintf(stderr, "sim_pass: %s\n", server.error().c_str());
    return 1;
  }
  std::atomic<bool> stop{false};
  std::thread serving([&] {
    while (!stop) server.serve(5);
  });

  std::printf("passes: %d, round trips: %d, best of 3 rounds\n", passes, passes * 32);
  {
    auto real = createSystemIpcTransport();
    NoWaits transport(*real);
    measure("Linux transport (local socket + POSIX shared memory)", transport, passes);
    std::printf("  handshake waits skipped: %llu ms\n",
                static_cast<unsigned long long>(transport.skipped));
  }
  stop = true;
  serving.join();

  StandInSimulator inProcess(FlightFile::parse(kFlight, "bench.csv"));
  InProcessTransport local(inProcess);
  measure("in-process transport", local, passes);

  std::filesystem::remove_all(dir);
  return 0;
}
