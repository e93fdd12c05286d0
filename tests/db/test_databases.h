#pragma once

// Fresh tours databases for tests, on either driver: an SQLite file in a
// temporary folder, or a database of its own on the MariaDB server that the
// CTest fixture started (its folder in AEROTRACE_TEST_MARIADB).

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "db/driver.h"

namespace aerotrace::testing {

enum class Backend { Sqlite, MariaDb };
// The backends this build's tests run on: MariaDB only where its driver is.
std::vector<Backend> testBackends();
std::string backendName(Backend b);
// Names the cases of a suite parameterised over the backends.
std::string backendParamName(const ::testing::TestParamInfo<Backend>& info);

// Removes its SQLite folder when it goes; the MariaDB databases go with the
// fixture's server.
struct TestDatabase {
  TestDatabase() = default;
  TestDatabase(TestDatabase&& other) noexcept;
  TestDatabase& operator=(TestDatabase&&) = delete;
  ~TestDatabase();

  std::string url;               // the program's account under the grant script
  std::string adminUrl;          // an account that may do anything, to set rows up
  std::filesystem::path folder;  // SQLite only

  // A connected driver on adminUrl.
  std::unique_ptr<db::Driver> admin() const;
};

// A database named after `name` (the test's name), with the schema and, on
// MariaDB, the grant script applied. `seed` adds the demo rows.
TestDatabase makeTestDatabase(Backend backend, std::string_view name, bool seed = false);

// The running MariaDB server's port and accounts, from the fixture's env file.
struct MariaDbServer {
  std::uint16_t port = 0;
  std::string adminUser, adminPassword, appUser, appPassword;
};
MariaDbServer mariaDbServer();

std::string readFile(const std::filesystem::path& path);
std::filesystem::path sqlDir();

// A name for the current GoogleTest case, usable as a database or file name.
std::string currentTestName();

}  // namespace aerotrace::testing
