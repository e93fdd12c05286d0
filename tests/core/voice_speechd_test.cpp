// The Linux voice against a real speech-dispatcher daemon of the test's own,
// whose output module appends every text it is asked to say to a file.
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

#include "core/voice.h"

extern char** environ;

namespace aerotrace {
namespace {

namespace fs = std::filesystem;

class SpeechDispatcherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("aerotrace-speechd-" + std::to_string(getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "conf" / "modules");
    fs::create_directories(dir_ / "log");
    spoken_ = dir_ / "spoken.txt";
    write(dir_ / "conf" / "speechd.conf",
          "AddModule \"recorder\" \"sd_generic\" \"recorder.conf\"\n"
          "DefaultModule recorder\n"
          "AudioOutputMethod \"libao\"\n");
    write(dir_ / "conf" / "modules" / "recorder.conf",
          "GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> " + spoken_.string() +
              "\"\n"
              "GenericLanguage \"en\" \"en\" \"utf-8\"\n"
              "AddVoice \"en\" \"MALE1\" \"en\"\n");
    write(dir_ / ".libao", "default_driver=null\n");

    const fs::path socket = dir_ / "sock";
    std::vector<std::string> args = {"speech-dispatcher",
                                     "-s",
                                     "-C",
                                     (dir_ / "conf").string(),
                                     "-L",
                                     (dir_ / "log").string(),
                                     "-c",
                                     "unix_socket",
                                     "-S",
                                     socket.string(),
                                     "-t",
                                     "0",
                                     "-P",
                                     (dir_ / "pid").string()};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("HOME", dir_.c_str(), 1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawnp(&daemon_, "speech-dispatcher", &actions, nullptr, argv.data(), environ),
              0);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_TRUE(waitFor([&] { return fs::exists(socket); })) << "daemon did not start";
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
  }

  void TearDown() override {
    if (daemon_ > 0) {
      kill(daemon_, SIGTERM);
      waitpid(daemon_, nullptr, 0);
    }
    unsetenv("SPEECHD_ADDRESS");
    fs::remove_all(dir_);
  }

  static void write(const fs::path& p, const std::string& text) { std::ofstream(p) << text; }

  template <class Pred>
  static bool waitFor(Pred pred) {
    for (int i = 0; i < 200; ++i) {
      if (pred()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return pred();
  }

  std::vector<std::string> spokenLines() const {
    std::ifstream in(spoken_);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path dir_;
  fs::path spoken_;
  pid_t daemon_ = 0;
};

TEST_F(SpeechDispatcherTest, SpeaksQueuedTextsInOrderWithoutBlocking) {
  auto voice = createSystemVoice();
  ASSERT_NE(voice, nullptr);
  const auto before = std::chrono::steady_clock::now();
  voice->speak("Turn left heading two seven zero");
  voice->speak("Ready to go.");
  // Latin-1 bytes from the database arrive as UTF-8.
  voice->speak(std::string("Z\xFCrich"));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
  ASSERT_TRUE(waitFor([&] { return spokenLines().size() >= 3; }));
  EXPECT_EQ(spokenLines(), (std::vector<std::string>{"Turn left heading two seven zero",
                                                     "Ready to go.", "Z\xC3\xBCrich"}));
}

}  // namespace
}  // namespace aerotrace
