// The Linux VID store: a settings file under the user's configuration folder.
#include "tours/file_vid_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace aerotrace {
namespace {

class FileVidStoreTest : public ::testing::Test {
 protected:
  FileVidStoreTest()
      : dir_(std::filesystem::temp_directory_path() /
             ("aerotrace-vid-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~FileVidStoreTest() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(FileVidStoreTest, KeepsTheVidExactlyAndOtherLinesToo) {
  const auto file = dir_ / "ORVANTAESTRIA" / "Aerotrace.conf";
  FileVidStore store(file);
  EXPECT_EQ(store.read(), "");  // no file yet
  ASSERT_TRUE(store.write(" 12345"));
  EXPECT_EQ(FileVidStore(file).read(), " 12345");

  std::ofstream(file, std::ios::app) << "Other=kept\r\n";
  ASSERT_TRUE(store.write("654321"));
  EXPECT_EQ(store.read(), "654321");
  std::ifstream in(file);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(all, "VID=654321\nOther=kept\n");
}

TEST_F(FileVidStoreTest, AFolderThatCannotBeMadeIsAFailedWrite) {
  std::ofstream(dir_ / "plain-file") << "x";
  FileVidStore store(dir_ / "plain-file" / "Aerotrace.conf");
  EXPECT_FALSE(store.write("123456"));
  EXPECT_EQ(store.read(), "");
}

TEST_F(FileVidStoreTest, LivesUnderTheUsersConfigFolder) {
  const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
  const char* oldHome = std::getenv("HOME");
  const std::string savedXdg = oldXdg ? oldXdg : "", savedHome = oldHome ? oldHome : "";

  setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  EXPECT_EQ(FileVidStore::defaultPath(), dir_ / "ORVANTAESTRIA" / "Aerotrace.conf");
  setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
  setenv("HOME", "/home/pilot", 1);
  EXPECT_EQ(FileVidStore::defaultPath(),
            std::filesystem::path("/home/pilot/.config/ORVANTAESTRIA/Aerotrace.conf"));
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(FileVidStore::defaultPath(),
            std::filesystem::path("/home/pilot/.config/ORVANTAESTRIA/Aerotrace.conf"));

  oldXdg ? setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
  oldHome ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace aerotrace
