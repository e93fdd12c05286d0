// The IPC client on the real Win32 transport, talking to aerotrace-simulator
// running as a process of its own behind its hidden window, as the program
// talks to the simulator's interface module on a pilot's machine.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "core/messages.h"
#include "sim/forwarding_transport.h"
#include "sim/ipc_client.h"
#include "sim/ipc_transport.h"
#include "sim/reader_pass.h"

namespace aerotrace::testing {
namespace {

constexpr std::uint32_t kAltitude = 0x3324;
constexpr std::uint32_t kSimRate = 0x0C1A;

// One run of the tool, with its flight and its output in a folder of its own.
class Simulator {
 public:
  explicit Simulator(const std::string& flight, std::vector<std::string> options = {}) {
    writeFile(folder_.path() / "flight.csv", flight);
    options.push_back((folder_.path() / "flight.csv").string());
    started_ = process_.start(AEROTRACE_SIMULATOR, options, folder_.path() / "out.txt",
                              folder_.path() / "err.txt");
  }

  // Waits until a window of that class answers a find; false if the tool
  // ended first.
  bool waitUntilServing(const char* serverClass = "UIPCMAIN") {
    for (int i = 0; started_ && i < 1000; ++i) {
      if (FindWindowExA(nullptr, nullptr, serverClass, nullptr) != nullptr) return true;
      if (!process_.running()) return false;
      Sleep(10);
    }
    return false;
  }

  // Asks the window to close and gives the exit code; kills it if needed.
  int stop(const char* serverClass = "UIPCMAIN") {
    if (HWND w = FindWindowExA(nullptr, nullptr, serverClass, nullptr)) {
      PostMessageA(w, WM_CLOSE, 0, 0);
      const int code = process_.wait(5000);
      if (code != -1) return code;
    }
    return process_.kill();
  }

  int wait() { return process_.wait(10000); }
  std::string out() const { return fileText(folder_.path() / "out.txt"); }
  std::string err() const { return fileText(folder_.path() / "err.txt"); }

 private:
  TempFolder folder_;
  ChildProcess process_;
  bool started_ = false;
};

std::string ownBlockName() { return IpcClient::blockName(GetCurrentProcessId()); }

// Whether our block and its atom exist in the system right now.
bool blockExists() {
  HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, ownBlockName().c_str());
  if (h != nullptr) CloseHandle(h);
  return h != nullptr;
}
bool atomExists() { return GlobalFindAtomA(ownBlockName().c_str()) != 0; }

// The real transport with the waits counted instead of slept.
class NoWaits final : public ForwardingTransport {
 public:
  using ForwardingTransport::ForwardingTransport;
  void sleepMilliseconds(std::uint32_t ms) override { slept += ms; }
  std::uint64_t slept = 0;
};

std::vector<std::string> eventsOf(const std::string& out) {
  std::istringstream lines(out);
  std::vector<std::string> events;
  for (std::string line; std::getline(lines, line);) {
    const auto at = line.find(",\"event\"");
    events.push_back(at == std::string::npos ? line : line.substr(at));
  }
  return events;
}

TEST(WindowServerProcessTest, AReaderPassOverTheRealTransport) {
  Simulator sim(
      "t,alt,ias,lat,lon,fuel,slew,rate,title\n"
      "0,2500,110.5,47.26,11.34,800,1,512,Real Plane\n"
      "3600,,,,,,,,\n");
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();

  auto transport = createSystemIpcTransport();
  IpcClient client(*transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  EXPECT_EQ(client.serverVersion(), 0x49990000u);
  EXPECT_EQ(client.simulatorVersion(), 0x000Au);
  // The block and the atom carry the name the server looks for.
  EXPECT_TRUE(blockExists());
  EXPECT_TRUE(atomExists());
  client.ipcClose();
  EXPECT_FALSE(blockExists());
  EXPECT_FALSE(atomExists());

  FlightData fd;
  const std::string text = "Hello from the pass";
  std::fill(fd.simText.begin(), fd.simText.end() - 1, ' ');
  std::copy(text.begin(), text.end(), fd.simText.begin());
  fd.simTextSeconds = 0x10000 + 30;  // only the low 16 bits travel
  fd.simTextPending = true;
  RWFSUIPC pass(client);
  const ReaderPassResult result = pass.Execute(fd, {true, true});
  EXPECT_TRUE(result.opened);
  EXPECT_TRUE(fd.simConnected);
  EXPECT_EQ(fd.aircraftTitle, "Real Plane");
  EXPECT_DOUBLE_EQ(fd.altitude, 2500);
  EXPECT_DOUBLE_EQ(fd.ias, 110.5);
  EXPECT_NEAR(fd.latitude, 47.26, 1e-9);
  EXPECT_NEAR(fd.longitude, 11.34, 1e-9);
  EXPECT_NEAR(fd.fuelTotal, 800, 1e-3);
  EXPECT_DOUBLE_EQ(fd.simRate, 512);
  EXPECT_EQ(result.spoken, (std::vector<std::string>{msg::kSlewNotAllowed, msg::kSimRateTooHigh}));
  EXPECT_FALSE(blockExists());

  pass.Execute(fd, {true, true});
  EXPECT_DOUBLE_EQ(fd.simRate, 256);  // the clamp reached the simulator

  EXPECT_EQ(sim.stop(), 0);
  EXPECT_EQ(
      eventsOf(sim.out()),
      (std::vector<std::string>{
          R"(,"event":"sim-write","what":"text","text":"Hello from the pass","seconds":30})",
          R"(,"event":"sim-write","what":"slew"})", R"(,"event":"sim-write","what":"rate"})"}));
}

TEST(WindowServerProcessTest, BatchesQueueRefusalsAndASecondBlockOfTheSameName) {
  Simulator sim("t,alt,rate\n0,1234,512\n3600,,\n");
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();
  auto transport = createSystemIpcTransport();
  IpcClient client(*transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  EXPECT_FALSE(client.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::alreadyOpen);

  // Records are served in queue order: the rate read after its write sees it.
  std::int32_t alt = 0;
  std::uint16_t before = 0, after = 0;
  const std::uint16_t normal = 256;
  ASSERT_TRUE(client.ipcRead(kAltitude, 4, &alt, r));
  ASSERT_TRUE(client.ipcRead(kSimRate, 2, &before, r));
  ASSERT_TRUE(client.ipcWrite(kSimRate, 2, &normal, r));
  ASSERT_TRUE(client.ipcRead(kSimRate, 2, &after, r));
  ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  EXPECT_EQ(alt, 1234);
  EXPECT_EQ(before, 512);
  EXPECT_EQ(after, 256);

  EXPECT_FALSE(client.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::emptyQueue);

  // A second client of this process wants the same block name.
  IpcClient other(*transport);
  EXPECT_FALSE(other.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::mappingFailed);
  EXPECT_FALSE(other.isOpen());
  // Its failure took nothing of ours: block, atom and exchanges still work.
  EXPECT_TRUE(atomExists());
  alt = 0;
  ASSERT_TRUE(client.ipcRead(kAltitude, 4, &alt, r));
  ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  EXPECT_EQ(alt, 1234);
  client.ipcClose();
  EXPECT_FALSE(blockExists());
  EXPECT_FALSE(atomExists());
  EXPECT_EQ(sim.stop(), 0);
}

TEST(WindowServerProcessTest, NoServerGivesTwoWithNothingLeftBehind) {
  ASSERT_EQ(FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);
  ASSERT_EQ(FindWindowExA(nullptr, nullptr, "FS98MAIN", nullptr), nullptr);
  auto real = createSystemIpcTransport();
  NoWaits transport(*real);
  IpcClient client(transport);
  IpcResult r;
  EXPECT_FALSE(client.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::noServer);
  EXPECT_EQ(transport.slept, 0u);
  EXPECT_FALSE(blockExists());
  EXPECT_FALSE(atomExists());
}

TEST(WindowServerProcessTest, TheSimulatorGoingAwayFailsTheExchangeAndTheNextOpenAtOnce) {
  // Present for the first second of the flight, then gone.
  Simulator sim("t,sim,alt\n0,1,100\n1,0,\n");
  ASSERT_TRUE(sim.waitUntilServing()) << sim.err();
  auto real = createSystemIpcTransport();
  NoWaits transport(*real);
  IpcClient client(transport);
  IpcResult r;
  ASSERT_TRUE(client.ipcOpen(0, r)) << code(r);
  std::int32_t alt = 0;
  ASSERT_TRUE(client.ipcRead(kAltitude, 4, &alt, r));
  ASSERT_TRUE(client.ipcProcess(r)) << code(r);
  EXPECT_EQ(alt, 100);

  for (int i = 0; i < 500 && FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr); ++i) Sleep(10);
  ASSERT_EQ(FindWindowExA(nullptr, nullptr, "UIPCMAIN", nullptr), nullptr);

  transport.slept = 0;
  alt = -1;
  ASSERT_TRUE(client.ipcRead(kAltitude, 4, &alt, r));
  EXPECT_FALSE(client.ipcProcess(r));
  EXPECT_EQ(r, IpcResult::sendFailed);  // the window handle is no longer valid
  EXPECT_EQ(transport.lastError(), static_cast<std::uint32_t>(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_EQ(transport.slept, 1000u);  // ten sends, ten waits
  EXPECT_EQ(alt, -1);
  client.ipcClose();

  EXPECT_FALSE(client.ipcOpen(0, r));
  EXPECT_EQ(r, IpcResult::noServer);
  EXPECT_EQ(transport.slept, 1000u);  // at once
  EXPECT_FALSE(blockExists());
  sim.stop();
}

TEST(WindowServerProcessTest, HandshakeRefusalsAndTheSecondClassName) {
  struct Case {
    const char* serverVersion;
    const char* simulatorVersion;
    const char* serverClass;
    std::uint32_t requested;
    IpcResult expected;
  };
  const Case cases[] = {
      {"19980004", "FADE0007", "UIPCMAIN", 0, IpcResult::serverTooOld},
      {"19980004", "FADE0007", "FS98MAIN", 0, IpcResult::serverTooOldFs98},
      {"19980005", "BEEF0007", "UIPCMAIN", 0, IpcResult::serverTooOld},
      {"19980005", "FADE0007", "UIPCMAIN", 8, IpcResult::wrongSimulator},
      {"0x19980005", "0xFADE0007", "FS98MAIN", 7, IpcResult::ok},
  };
  for (const Case& c : cases) {
    Simulator sim("t\n0\n", {"--class", c.serverClass, "--server-version", c.serverVersion,
                             "--simulator-version", c.simulatorVersion});
    ASSERT_TRUE(sim.waitUntilServing(c.serverClass)) << sim.err();
    auto transport = createSystemIpcTransport();
    IpcClient client(*transport);
    IpcResult r;
    EXPECT_EQ(client.ipcOpen(c.requested, r), c.expected == IpcResult::ok) << c.serverVersion;
    EXPECT_EQ(r, c.expected) << c.serverVersion << " " << c.simulatorVersion << " "
                             << c.serverClass;
    if (c.expected == IpcResult::ok) {
      EXPECT_EQ(client.simulatorVersion(), 7u);
    }
    client.ipcClose();
    EXPECT_FALSE(blockExists());
    EXPECT_FALSE(atomExists());
    EXPECT_EQ(sim.stop(c.serverClass), 0);
  }
}

TEST(WindowServerProcessTest, ASecondSimulatorOfTheSameClassIsRefused) {
  Simulator first("t\n0\n");
  ASSERT_TRUE(first.waitUntilServing()) << first.err();
  Simulator second("t\n0\n");
  EXPECT_EQ(second.wait(), 1);
  EXPECT_NE(second.err().find("UIPCMAIN: another simulator is serving here"), std::string::npos)
      << second.err();
  EXPECT_EQ(first.stop(), 0);
}

}  // namespace
}  // namespace aerotrace::testing
