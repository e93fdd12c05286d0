#include "db/driver_factories.h"

namespace aerotrace::db {

std::unique_ptr<Driver> makeSqliteDriver(std::string) { return nullptr; }

}  // namespace aerotrace::db
