// The Windows opener through the real shell (Wine's). A URL scheme of the
// test's own is registered for the current user with a probe as its
// program, so the test sees what the shell's "open" verb hands over without
// starting a browser; an address with no program is handed over all the
// same and its failure stays silent.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "child_process.h"
#include "core/document_opener.h"

namespace aerotrace::testing {
namespace {

class ShellOpenerTest : public ::testing::Test {
 protected:
  ShellOpenerTest() : scheme_("aerotrace-open-test" + std::to_string(GetCurrentProcessId())) {}
  ~ShellOpenerTest() override {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      RegDeleteTreeA(root, ("Software\\Classes\\" + scheme_).c_str());
    }
  }

  static bool setDefault(HKEY root, const std::string& path, const std::string& name,
                         const std::string& value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
        ERROR_SUCCESS) {
      return false;
    }
    const LONG r = RegSetValueExA(k, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
    return r == ERROR_SUCCESS;
  }

  // The scheme's "open" command runs the probe. The user's classes come
  // first; a shell that reads only the machine's (Wine's) gets it there.
  bool registerScheme(const std::filesystem::path& record) {
    const std::string command =
        quoteArgument(AEROTRACE_OPEN_PROBE) + " " + quoteArgument(record.string()) + " \"%1\"";
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
      const std::string base = "Software\\Classes\\" + scheme_;
      if (!setDefault(root, base, "", "URL:Aerotrace test") ||
          !setDefault(root, base, "URL Protocol", "") ||
          !setDefault(root, base + "\\shell\\open\\command", "", command)) {
        return false;
      }
      HKEY k = nullptr;
      if (RegOpenKeyExA(HKEY_CLASSES_ROOT, scheme_.c_str(), 0, KEY_READ, &k) == ERROR_SUCCESS) {
        RegCloseKey(k);
        return true;
      }
    }
    return false;
  }

  static bool waitFor(const std::filesystem::path& p) {
    for (int i = 0; i < 400 && !std::filesystem::exists(p); ++i) Sleep(50);
    return std::filesystem::exists(p);
  }

  std::string scheme_;
  TempFolder folder_;
};

TEST_F(ShellOpenerTest, TheOpenVerbHandsTheAddressToTheSchemesProgram) {
  const auto record = folder_.path() / "opened.txt";
  ASSERT_TRUE(registerScheme(record));
  const std::string url = scheme_ + "://tours.example.org/tour?id=7&name=%22Alps%22";
  createSystemDocumentOpener()->open(url);
  ASSERT_TRUE(waitFor(record));
  EXPECT_EQ(fileText(record), "1|" + url);
}

TEST_F(ShellOpenerTest, AnAddressNobodyOpensIsIgnored) {
  auto opener = createSystemDocumentOpener();
  EXPECT_NO_THROW(opener->open(scheme_ + "-unregistered:nothing"));
  EXPECT_NO_THROW(opener->open(""));
  // Still usable afterwards.
  const auto record = folder_.path() / "opened.txt";
  ASSERT_TRUE(registerScheme(record));
  opener->open(scheme_ + ":again");
  ASSERT_TRUE(waitFor(record));
  EXPECT_EQ(fileText(record), "1|" + scheme_ + ":again");
}

}  // namespace
}  // namespace aerotrace::testing
