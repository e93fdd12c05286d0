// The Windows VID store on the real registry (Wine's, under the test
// prefix). The cases use a key of their own, so a pilot's VID is never
// touched, except one that checks the program's key and puts back what it
// found.
#include "tours/registry_vid_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>

#include "child_process.h"

namespace aerotrace::testing {
namespace {

class RegistryVidStoreTest : public ::testing::Test {
 protected:
  RegistryVidStoreTest()
      : parent_("Software\\ORVANTAESTRIA\\AerotraceTest" + std::to_string(GetCurrentProcessId())),
        key_(parent_ + "\\Aerotrace\\") {
    RegDeleteTreeA(HKEY_CURRENT_USER, parent_.c_str());
  }
  ~RegistryVidStoreTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, parent_.c_str()); }

  bool keyExists() const {
    HKEY k = nullptr;
    const std::string path = key_.substr(0, key_.size() - 1);
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(k);
    return true;
  }

  // Stores a raw value of any type and size, as another program might.
  void setRaw(DWORD type, const void* data, DWORD size) {
    HKEY k = nullptr;
    const std::string path = key_.substr(0, key_.size() - 1);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &k, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(k, "VID", 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(k);
  }

  // What a second process reads.
  std::string readInAnotherProcess(const std::string& key) {
    TempFolder folder;
    ChildProcess probe;
    std::vector<std::string> args;
    if (!key.empty()) args.push_back(key);
    if (!probe.start(AEROTRACE_VID_PROBE, args, folder.path() / "out", folder.path() / "err")) {
      return "(probe did not start)";
    }
    if (probe.wait(20000) != 0) return "(probe failed)";
    return fileText(folder.path() / "out");
  }

  std::string parent_, key_;
};

TEST_F(RegistryVidStoreTest, ReadingNeverCreatesTheKeyAndMissingReadsAsEmpty) {
  RegistryVidStore store(key_);
  EXPECT_EQ(store.read(), "");
  EXPECT_FALSE(keyExists());
  const DWORD other = 5;
  setRaw(REG_DWORD, &other, sizeof other);  // the key, but no string value
  EXPECT_EQ(store.read(), "");
}

TEST_F(RegistryVidStoreTest, WritesCreateTheKeyAndSurviveTheProcess) {
  struct Case {
    std::string vid;
  };
  // Stored exactly as typed, blanks and letters too.
  const Case cases[] = {{"123456"}, {" 12345"}, {"ABCDEF"}, {"$1E240"}};
  for (const Case& c : cases) {
    RegDeleteTreeA(HKEY_CURRENT_USER, parent_.c_str());
    ASSERT_TRUE(RegistryVidStore(key_).write(c.vid)) << c.vid;
    EXPECT_TRUE(keyExists());
    EXPECT_EQ(RegistryVidStore(key_).read(), c.vid);
    EXPECT_EQ(readInAnotherProcess(key_), c.vid);
  }
  // A new VID replaces the old one.
  ASSERT_TRUE(RegistryVidStore(key_).write("654321"));
  EXPECT_EQ(readInAnotherProcess(key_), "654321");
}

TEST_F(RegistryVidStoreTest, ValuesWrittenByOthersAreReadSafely) {
  RegistryVidStore store(key_);
  setRaw(REG_SZ, "ABCDEF", 6);  // no terminating zero
  EXPECT_EQ(store.read(), "ABCDEF");
  setRaw(REG_SZ, "AB\0CDEF", 8);  // the text ends at its first zero
  EXPECT_EQ(store.read(), "AB");
  setRaw(REG_EXPAND_SZ, "777777", 7);
  EXPECT_EQ(store.read(), "777777");
}

TEST_F(RegistryVidStoreTest, AKeyThatCannotBeCreatedFailsTheWriteQuietly) {
  // Registry key names stop at 255 characters.
  RegistryVidStore store(parent_ + "\\" + std::string(300, 'k') + "\\");
  EXPECT_FALSE(store.write("123456"));
  EXPECT_EQ(store.read(), "");
}

// The program's own key and value, put back as they were afterwards.
TEST(RegistryVidStoreProgramKeyTest, TheSystemStoreUsesTheProgramKey) {
  const char* path = "Software\\ORVANTAESTRIA\\Aerotrace";
  std::optional<std::string> saved;
  char buf[512];
  DWORD size = sizeof buf;
  if (RegGetValueA(HKEY_CURRENT_USER, path, "VID", RRF_RT_REG_SZ, nullptr, buf, &size) ==
      ERROR_SUCCESS) {
    saved = std::string(buf);
  }

  auto store = createSystemVidStore();
  ASSERT_TRUE(store->write("A1B2C3"));
  size = sizeof buf;
  ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, path, "VID", RRF_RT_REG_SZ, nullptr, buf, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(std::string(buf), "A1B2C3");
  EXPECT_EQ(store->read(), "A1B2C3");

  if (saved) {
    EXPECT_TRUE(store->write(*saved));
  } else {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
      RegDeleteValueA(k, "VID");
      RegCloseKey(k);
    }
  }
}

}  // namespace
}  // namespace aerotrace::testing
