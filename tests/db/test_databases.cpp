#include "test_databases.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "db/connection.h"
#include "db/sql_script.h"

namespace aerotrace::testing {

std::vector<Backend> testBackends() {
#ifdef AEROTRACE_TEST_WITH_MARIADB
  return {Backend::Sqlite, Backend::MariaDb};
#else
  return {Backend::Sqlite};
#endif
}

std::string backendName(Backend b) { return b == Backend::Sqlite ? "Sqlite" : "MariaDb"; }

std::string backendParamName(const ::testing::TestParamInfo<Backend>& info) {
  return backendName(info.param);
}

std::filesystem::path sqlDir() { return AEROTRACE_SQL_DIR; }

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string currentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "t";
  for (char& c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!ok) c = '_';
  }
  return name;
}

MariaDbServer mariaDbServer() {
  const char* dir = std::getenv("AEROTRACE_TEST_MARIADB");
  if (!dir || !*dir) {
    throw std::runtime_error("AEROTRACE_TEST_MARIADB is not set: run the tests through ctest");
  }
  std::istringstream env(readFile(std::filesystem::path(dir) / "env"));
  MariaDbServer s;
  for (std::string line; std::getline(env, line);) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "port") s.port = static_cast<std::uint16_t>(std::stoi(value));
    if (key == "admin_user") s.adminUser = value;
    if (key == "admin_password") s.adminPassword = value;
    if (key == "app_user") s.appUser = value;
    if (key == "app_password") s.appPassword = value;
  }
  return s;
}

TestDatabase::TestDatabase(TestDatabase&& other) noexcept
    : url(std::move(other.url)),
      adminUrl(std::move(other.adminUrl)),
      folder(std::move(other.folder)) {
  other.folder.clear();
}

TestDatabase::~TestDatabase() {
  std::error_code ec;
  if (!folder.empty()) std::filesystem::remove_all(folder, ec);
}

std::unique_ptr<db::Driver> TestDatabase::admin() const {
  auto d = db::makeDriver(adminUrl);
  if (!d || !d->connect(std::chrono::seconds(5))) {
    throw std::runtime_error("cannot connect to " + adminUrl);
  }
  return d;
}

TestDatabase makeTestDatabase(Backend backend, std::string_view name, bool seed) {
  TestDatabase t;
  std::string schema;
  if (backend == Backend::Sqlite) {
    t.folder = std::filesystem::temp_directory_path() /
               ("aerotrace-" + std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(t.folder);
    std::filesystem::create_directories(t.folder);
    const auto file = t.folder / "tours.sqlite";
    std::ofstream(file, std::ios::binary).flush();
    t.url = t.adminUrl = "sqlite:" + file.string();
    schema = readFile(sqlDir() / "sqlite" / "schema.sql");
  } else {
    const MariaDbServer s = mariaDbServer();
    std::string db = "t_" + std::string(name);
    if (db.size() > 64) db = db.substr(0, 64);
    const std::string host = "@127.0.0.1:" + std::to_string(s.port) + "/";
    auto root = db::makeDriver("mysql://" + s.adminUser + ":" + s.adminPassword + host + "mysql");
    if (!root->connect(std::chrono::seconds(5))) throw std::runtime_error("MariaDB is not up");
    root->run("DROP DATABASE IF EXISTS `" + db + "`", {});
    root->run("CREATE DATABASE `" + db + "` CHARACTER SET latin1", {});
    t.adminUrl = "mysql://" + s.adminUser + ":" + s.adminPassword + host + db;
    t.url = "mysql://" + s.appUser + ":" + s.appPassword + host + db;
    schema = readFile(sqlDir() / "mysql" / "schema.sql");
  }
  auto admin = t.admin();
  db::runSqlScript(*admin, schema);
  if (backend == Backend::MariaDb) {
    db::runSqlScript(*admin, readFile(sqlDir() / "mysql" / "grants.sql"));
  }
  if (seed) db::runSqlScript(*admin, readFile(sqlDir() / "seed" / "demo.sql"));
  return t;
}

}  // namespace aerotrace::testing
