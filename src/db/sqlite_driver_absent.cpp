#include "db/driver_factories.h"
#include "db/sqlite_file.h"

namespace aerotrace::db {

std::unique_ptr<Driver> makeSqliteDriver(std::string) { return nullptr; }

std::unique_ptr<Driver> openOwnSqliteFile(const std::string&) {
  throw SqliteOpenError(SqliteOpenError::Reason::Other, "this build has no SQLite");
}

}  // namespace aerotrace::db
