// The Linux opener, with a stand-in xdg-open on PATH that records what it
// was given and where its output goes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "core/document_opener.h"
#include "file_text.h"

namespace aerotrace {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class XdgOpenerTest : public ::testing::Test {
 protected:
  XdgOpenerTest() {
    char tmpl[] = "/tmp/aerotrace-open-XXXXXX";
    dir_ = ::mkdtemp(tmpl);
    fs::create_directory(dir_ / "bin");
    oldPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
  }
  ~XdgOpenerTest() override {
    ::setenv("PATH", oldPath_.c_str(), 1);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  // An xdg-open that waits until the test says "go" (at most 10 s), so an
  // opener that waited for it would find "timeout" in the record.
  void installFakeXdgOpen() {
    const fs::path script = dir_ / "bin" / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\n"
                             "d='"
                          << dir_.string()
                          << "'\n"
                             "o=$(readlink /proc/$$/fd/1); echo \"$o\" > \"$d/stdout\"\n"
                             "i=0; while [ ! -e \"$d/go\" ] && [ $i -lt 200 ]; do\n"
                             "  sleep 0.05; i=$((i+1)); done\n"
                             "[ -e \"$d/go\" ] || { echo timeout > \"$d/url.tmp\"; "
                             "mv \"$d/url.tmp\" \"$d/url\"; exit 1; }\n"
                             "printf '%s|%s' \"$#\" \"$1\" > \"$d/url.tmp\"\n"
                             "mv \"$d/url.tmp\" \"$d/url\"\n";
    fs::permissions(script, fs::perms::owner_all);
    ::setenv("PATH", ((dir_ / "bin").string() + ":/usr/bin:/bin").c_str(), 1);
  }

  bool waitFor(const fs::path& p) {
    for (int i = 0; i < 400 && !fs::exists(p); ++i) std::this_thread::sleep_for(50ms);
    return fs::exists(p);
  }

  fs::path dir_;
  std::string oldPath_;
};

TEST_F(XdgOpenerTest, HandsTheAddressOverUnchangedAndDoesNotWaitForTheBrowser) {
  installFakeXdgOpen();
  // Shell-special characters must arrive as they are: no shell in between.
  const std::string url = "https://tours.example.org/tour?id=7&name=%22Alps%22 $HOME`id`;x";
  createSystemDocumentOpener()->open(url);
  std::ofstream(dir_ / "go") << "";
  ASSERT_TRUE(waitFor(dir_ / "url"));
  EXPECT_EQ(testing::fileText(dir_ / "url"), "1|" + url);
  // Its output does not hold our pipes open.
  EXPECT_EQ(testing::fileText(dir_ / "stdout"), "/dev/null\n");
}

TEST_F(XdgOpenerTest, NoXdgOpenIsIgnored) {
  ::setenv("PATH", (dir_ / "bin").c_str(), 1);  // an empty folder
  auto opener = createSystemDocumentOpener();
  EXPECT_NO_THROW(opener->open("https://tours.example.org/"));
  EXPECT_NO_THROW(opener->open(""));
}

}  // namespace
}  // namespace aerotrace
