// aerotrace-replay as the scripts run it: exit statuses, and nothing on
// standard output when the input is refused.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// CTest runs the cases of this program side by side: each process keeps
// its files apart.
std::string tempPath(const std::string& name) {
  return ::testing::TempDir() + "replay-" + std::to_string(::getpid()) + "-" + name;
}

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun replay(const std::string& args) {
  const std::string err = tempPath("stderr.txt");
  const std::string cmd = std::string(AEROTRACE_REPLAY_TOOL) + " " + args + " 2>" + err;
  ToolRun r;
  FILE* p = popen(cmd.c_str(), "r");
  if (p == nullptr) return r;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
  const int raw = pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(err);
  r.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return r;
}

std::string flightFile(const std::string& name, const std::string& csv) {
  const std::string path = tempPath(name);
  std::ofstream(path) << csv;
  return path;
}

TEST(ReplayCommandTest, BadInputIsExitTwoWithNothingPlayed) {
  const struct {
    std::string args, message;
  } cases[] = {
      {flightFile("backwards.csv", "t,alt\n0,1\n5,2\n4,3\n"),
       "backwards.csv: line 4, column 1 (t): time goes backwards"},
      {flightFile("dance.csv", "t,action\n0,dance\n"),
       "dance.csv: line 2, column 2 (action): unknown action \"dance\""},
      {flightFile("upload.csv", "t,action\n0,upload\n1,uplaod\n"),
       "upload.csv: line 3, column 2 (action): unknown action \"uplaod\""},
      {"--tick 0 " + flightFile("ok.csv", "t\n0\n"), "--tick wants seconds"},
      {"/nonexistent/flight.csv", "/nonexistent/flight.csv: cannot be read"},
  };
  for (const auto& c : cases) {
    const ToolRun r = replay(c.args);
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_EQ(r.out, "") << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST(ReplayCommandTest, APlayedFlightIsExitZeroWithTheLogOnStandardOutput) {
  const ToolRun r = replay("--tours sqlite:/nonexistent/tours.sqlite " +
                           flightFile("short.csv", "t,sim\n0,1\n1,0\n1.2,\n"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"t\":0.2,\"event\":\"lamp\",\"connected\":true}\n"
            "{\"t\":1.2,\"event\":\"lamp\",\"connected\":false}\n");
}

// The program closed from its menu plays no later row and exits 0; killed,
// it exits 3 with what it printed so far, and leaves its data folder as a
// crash would.
TEST(ReplayCommandTest, QuitAndCrashEndTheRunAtTheirRow) {
  const std::string dataDir = tempPath("data");
  const struct {
    const char* action;
    int status;
  } cases[] = {{"quit", 0}, {"crash", 3}};
  for (const auto& c : cases) {
    const ToolRun r = replay("--tours sqlite:/nonexistent/tours.sqlite --data-dir " + dataDir + " " +
                             flightFile(std::string(c.action) + ".csv",
                                        std::string("t,sim,action\n0,1,\n1,0,\n1.1,,") +
                                            c.action + "\n5,1,\n"));
    EXPECT_EQ(r.status, c.status) << c.action << ": " << r.err;
    EXPECT_EQ(r.out,
              "{\"t\":0.2,\"event\":\"lamp\",\"connected\":true}\n"
              "{\"t\":1.2,\"event\":\"lamp\",\"connected\":false}\n")
        << c.action;
    std::ifstream store(dataDir + "/store.sqlite");
    EXPECT_TRUE(store.good()) << c.action;
  }
}

}  // namespace
