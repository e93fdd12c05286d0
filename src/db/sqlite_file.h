#pragma once

#include <memory>
#include <string>

#include "db/db_error.h"
#include "db/driver.h"

namespace aerotrace::db {

// How a file is opened. The tours database is opened as it is; a file the
// program keeps for itself is created when missing, written ahead (WAL) with
// every commit synced to disk, and held exclusively for as long as it is
// open, so that a second copy of the program cannot write it as well.
struct SqliteFileMode {
  bool create = false;
  bool ownFile = false;
};

// Why a file could not be opened.
class SqliteOpenError : public DbError {
 public:
  enum class Reason { NotADatabase, InUse, Other };
  SqliteOpenError(Reason reason, const std::string& text) : DbError(text), reason_(reason) {}
  Reason reason() const { return reason_; }

 private:
  Reason reason_;
};

// A file of the program's own, opened at once in that mode: throws
// SqliteOpenError, also in a build without SQLite.
std::unique_ptr<Driver> openOwnSqliteFile(const std::string& path);

}  // namespace aerotrace::db
