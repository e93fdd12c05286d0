#pragma once

#include <memory>
#include <string>

#include "db/db_error.h"
#include "db/driver.h"
#include "db/sqlite_file.h"

struct sqlite3;

namespace aerotrace::db {

// An SQLite database file, the embedded default. Connecting never creates the
// file unless the mode says so: a missing file is a failed connection, like a
// server that is down.
class SqliteDriver final : public Driver {
 public:
  explicit SqliteDriver(std::string path, SqliteFileMode mode = {});
  ~SqliteDriver() override;
  SqliteDriver(const SqliteDriver&) = delete;
  SqliteDriver& operator=(const SqliteDriver&) = delete;

  bool connect(std::chrono::seconds timeout) override;
  void disconnect() override;
  bool connected() const override { return db_ != nullptr; }
  StatementResult run(const std::string& sql, const std::vector<Value>& params) override;
  void begin() override;
  void commit() override;
  void rollback() override;

  // Opens as connect does but says why it could not: SqliteOpenError.
  void open(std::chrono::seconds timeout);

 private:
  std::string path_;
  SqliteFileMode mode_;
  sqlite3* db_ = nullptr;
};

}  // namespace aerotrace::db
