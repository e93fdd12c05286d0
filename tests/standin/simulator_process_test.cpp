// The IPC client on the real Linux transport, talking to aerotrace-simulator
// running as a process of its own, as the program will on a pilot's machine.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/messages.h"
#include "file_text.h"
#include "sim/forwarding_transport.h"
#include "sim/ipc_client.h"
#include "sim/ipc_socket_wire.h"
#include "sim/ipc_transport.h"
#include "sim/reader_pass.h"

extern char** environ;

namespace aerotrace {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One run of the tool in a folder of its own, stopped and cleaned up by the
// destructor whatever the test did.
class SimulatorProcess {
 public:
  SimulatorProcess() {
    char tmpl[] = "/tmp/aerotrace-sim-XXXXXX";
    dir_ = ::mkdtemp(tmpl);
    ::setenv("AEROTRACE_IPC_DIR", (dir_ / "ipc").c_str(), 1);
  }
  ~SimulatorProcess() {
    stop();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  fs::path flight(const std::string& text) {
    const fs::path p = dir_ / "flight.csv";
    std::ofstream(p) << text;
    return p;
  }

  void start(std::vector<std::string> args) {
    args.insert(args.begin(), AEROTRACE_SIMULATOR);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (dir_ / "out.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, (dir_ / "err.txt").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_EQ(posix_spawn(&pid_, argv[0], &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
  }

  // Waits until the simulator answers a find; false if it ended first.
  bool waitUntilServing() {
    auto transport = createSystemIpcTransport();
    for (auto until = std::chrono::steady_clock::now() + 10s;
         std::chrono::steady_clock::now() < until;) {
      if (transport->findWindow("FS98MAIN") != 0) return true;
      if (exited()) return false;
      std::this_thread::sleep_for(10ms);
    }
    return false;
  }

  // Stops the simulator (SIGTERM, then SIGKILL) and gives its exit status,
  // -1 when it did not exit normally.
  int stop() {
    if (pid_ > 0 && !exited()) {
      ::kill(pid_, SIGTERM);
      for (int i = 0; i < 500 && !exited(); ++i) std::this_thread::sleep_for(10ms);
      if (!exited()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status_, 0);
        pid_ = -1;
      }
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
  }

  // Waits for a run that ends by itself.
  int wait() {
    for (int i = 0; i < 1000 && !exited(); ++i) std::this_thread::sleep_for(10ms);
    return stop();
  }

  std::string out() const { return testing::fileText(dir_ / "out.txt"); }
  std::string err() const { return testing::fileText(dir_ / "err.txt"); }
  fs::path socket() const { return dir_ / "ipc" / "FS98MAIN"; }

 private:
  bool exited() {
    if (pid_ <= 0) return true;
    if (::waitpid(pid_, &status_, WNOHANG) == pid_) {
      pid_ = -1;
      return true;
    }
    return false;
  }

  fs::path dir_;
  pid_t pid_ = -1;
  int status_ = 0;
};

fs::path blockFile() {
  return fs::path("/dev/shm") / IpcClient::blockName(static_cast<std::uint32_t>(::getpid()));
}

// The real transport without the waits, which it counts.
class NoWaits final : public ForwardingTransport {
 public:
  using ForwardingTransport::ForwardingTransport;
  void sleepMilliseconds(std::uint32_t ms) override { slept += ms; }
  std::uint64_t slept = 0;
};

TEST(SimulatorProcessTest, AReaderPassOverTheRealTransport) {
  SimulatorProcess sim;
  const fs::path flight = sim.flight(
      "t,alt,ias,lat,lon,fuel,slew,rate,title\n"
      "0,2500,110.5,47.26,11.34,800,1,512,Real Plane\n"
      "3600,,,,,,,,\n");
  sim.start({flight.string()});
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();

  auto transport = createSystemIpcTransport();
  IpcClient client(*transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  EXPECT_TRUE(fs::exists(blockFile()));
  client.ipcClose();
  EXPECT_FALSE(fs::exists(blockFile()));

  FlightData fd;
  const std::string text = "Hello from the pass";
  std::fill(fd.simText.begin(), fd.simText.end() - 1, ' ');
  std::copy(text.begin(), text.end(), fd.simText.begin());
  fd.simTextSeconds = 0x10000 + 30;  // only the low 16 bits travel
  fd.simTextPending = true;
  RWFSUIPC pass(client);
  const ReaderPassResult result = pass.Execute(fd, {true, true});
  EXPECT_TRUE(fd.simConnected);
  EXPECT_EQ(fd.aircraftTitle, "Real Plane");
  EXPECT_DOUBLE_EQ(fd.altitude, 2500);
  EXPECT_DOUBLE_EQ(fd.ias, 110.5);
  EXPECT_NEAR(fd.latitude, 47.26, 1e-9);
  EXPECT_NEAR(fd.longitude, 11.34, 1e-9);
  EXPECT_NEAR(fd.fuelTotal, 800, 1e-3);
  EXPECT_DOUBLE_EQ(fd.simRate, 512);
  EXPECT_EQ(result.spoken, (std::vector<std::string>{msg::kSlewNotAllowed, msg::kSimRateTooHigh}));
  EXPECT_FALSE(fs::exists(blockFile()));

  pass.Execute(fd, {true, true});
  EXPECT_DOUBLE_EQ(fd.simRate, 256);  // the clamp reached the simulator

  EXPECT_EQ(sim.stop(), 0);
  EXPECT_FALSE(fs::exists(sim.socket()));
  std::istringstream lines(sim.out());
  std::vector<std::string> events;
  for (std::string line; std::getline(lines, line);) {
    events.push_back(line.substr(line.find(",\"event\"")));
  }
  EXPECT_EQ(
      events,
      (std::vector<std::string>{
          R"(,"event":"sim-write","what":"text","text":"Hello from the pass","seconds":30})",
          R"(,"event":"sim-write","what":"slew"})", R"(,"event":"sim-write","what":"rate"})"}));
}

TEST(SimulatorProcessTest, TheSimulatorGoingAwayFailsTheExchangeAndTheNextOpenAtOnce) {
  SimulatorProcess sim;
  // Present for the first second of the flight, then gone.
  sim.start({sim.flight("t,sim,alt\n0,1,100\n1,0,\n").string()});
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();

  auto real = createSystemIpcTransport();
  NoWaits transport(*real);
  IpcClient client(transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  std::int32_t alt = 0;
  ASSERT_TRUE(client.ipcRead(0x3324, 4, &alt, r));
  ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  EXPECT_EQ(alt, 100);

  // Once the simulator has gone, a find answers "none".
  for (int i = 0; i < 500 && real->findWindow("FS98MAIN") != 0; ++i) {
    std::this_thread::sleep_for(10ms);
  }
  ASSERT_EQ(real->findWindow("FS98MAIN"), 0u);

  transport.slept = 0;
  ASSERT_TRUE(client.ipcRead(0x3324, 4, &alt, r));
  EXPECT_FALSE(client.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::sendFailed);
  EXPECT_EQ(transport.slept, 1000u);
  client.ipcClose();
  EXPECT_FALSE(fs::exists(blockFile()));

  EXPECT_FALSE(client.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::noServer);
  EXPECT_EQ(transport.slept, 1000u);  // at once
  EXPECT_FALSE(fs::exists(blockFile()));
  EXPECT_EQ(sim.stop(), 0);
}

TEST(SimulatorProcessTest, WaitingForTheLinkHoldsTheFirstMomentUntilTheFirstExchange) {
  SimulatorProcess sim;
  // At ten times real time the second row is due 100 ms after the start.
  sim.start({"--speed", "10", "--wait-for-link", sim.flight("t,alt\n0,100\n1,200\n").string()});
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();
  std::this_thread::sleep_for(300ms);

  auto transport = createSystemIpcTransport();
  IpcClient client(*transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  std::int32_t alt = 0;
  ASSERT_TRUE(client.ipcRead(0x3324, 4, &alt, r));
  ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  EXPECT_EQ(alt, 100);  // held while nobody asked

  for (int i = 0; i < 100 && alt != 200; ++i) {
    std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(client.ipcRead(0x3324, 4, &alt, r));
    ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  }
  EXPECT_EQ(alt, 200);  // and played on once asked
  client.ipcClose();
  EXPECT_EQ(sim.stop(), 0);
}

TEST(SimulatorProcessTest, BadInputIsRefusedWithStatusTwoBeforeAnythingIsServed) {
  struct Case {
    const char* flight;
    std::vector<std::string> options;
    const char* message;
  };
  const Case cases[] = {
      {"t,alt,speed\n0,1,2\n", {}, "flight.csv: line 1, column 3 (speed): unknown column"},
      {"t,alt\n0,100\n5,1e\n", {}, "flight.csv: line 3, column 2 (alt): \"1e\" is not a number"},
      {"t,alt\n5,100\n4,200\n", {}, "flight.csv: line 3, column 1 (t): time goes backwards"},
      {"alt\n100\n", {}, "flight.csv: line 1 (t): no \"t\" column"},
      {"t\n0\n", {"--speed", "0"}, "--speed wants a number above 0"},
      {"t\n0\n", {"--fast"}, "usage: aerotrace-simulator [--speed X] [--wait-for-link] [--class NAME]"},
      {"t\n0\n", {"--class", "FS2004"}, "--class wants UIPCMAIN or FS98MAIN"},
      {"t\n0\n", {"--server-version", "1998G"}, "--server-version wants a hexadecimal number"},
      {"t\n0\n", {"--simulator-version", "0x"}, "--simulator-version wants a hexadecimal"},
  };
  for (const Case& c : cases) {
    SimulatorProcess sim;
    std::vector<std::string> args = c.options;
    args.push_back(sim.flight(c.flight).string());
    sim.start(args);
    EXPECT_EQ(sim.wait(), 2) << c.message;
    EXPECT_NE(sim.err().find(c.message), std::string::npos) << sim.err();
    EXPECT_EQ(sim.out(), "");
    EXPECT_FALSE(fs::exists(sim.socket()));
  }
}

}  // namespace
}  // namespace aerotrace
