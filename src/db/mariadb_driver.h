#pragma once

#include <cstdint>
#include <string>

#include "db/driver.h"

struct st_mysql;

namespace aerotrace::db {

struct MariaDbSettings {
  std::string host;
  std::uint16_t port = 3306;
  std::string user;
  std::string password;
  std::string database;
};

// A MySQL or MariaDB server over TCP through MariaDB Connector/C; every
// statement is a prepared statement. Texts travel as latin1, so the bytes the
// program holds are the bytes the server stores.
class MariaDbDriver final : public Driver {
 public:
  explicit MariaDbDriver(MariaDbSettings settings);
  ~MariaDbDriver() override;
  MariaDbDriver(const MariaDbDriver&) = delete;
  MariaDbDriver& operator=(const MariaDbDriver&) = delete;

  bool connect(std::chrono::seconds timeout) override;
  void disconnect() override;
  bool connected() const override { return mysql_ != nullptr; }
  StatementResult run(const std::string& sql, const std::vector<Value>& params) override;
  void begin() override;
  void commit() override;
  void rollback() override;

 private:
  MariaDbSettings settings_;
  st_mysql* mysql_ = nullptr;
};

}  // namespace aerotrace::db
